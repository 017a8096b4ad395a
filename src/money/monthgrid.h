// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QtGlobal>
#include <unordered_map>
#include <vector>

namespace tallyfox {

// The sums of a month table: per row value a total and one sum per month, plus the grand-total row.
// Each sum adds its values in the order they come. Month cells are held in a plain array while the
// table is of a sensible size; a file with thousands of distinct texts spread over centuries would
// need gigabytes that way, so then only the cells that receive values are kept.
class MonthGrid
{
public:
    // Zeroes a grid of valueRows rows (the grand-total row comes on top) and months month columns.
    void reset(int valueRows, int months);

    // Adds value to the row's total and the grand total, and, for a month 0 … months-1, to the row's
    // month cell and the grand-total row's month cell. A month of -1 (the entry names no calendar day)
    // reaches the totals only.
    void add(int row, int month, double value);

    [[nodiscard]] int valueRows() const { return m_valueRows; }
    [[nodiscard]] int months() const { return m_months; }
    // Row valueRows() is the grand-total row.
    [[nodiscard]] double total(int row) const { return m_rowTotals[static_cast<size_t>(row)]; }
    [[nodiscard]] double cell(int row, int month) const;
    [[nodiscard]] bool isDense() const { return m_dense; }

    // The most month cells kept in a plain array (16 MB).
    static constexpr qint64 kMaxDenseCells = qint64(1) << 21;

private:
    [[nodiscard]] quint64 cellKey(int row, int month) const
    {
        return quint64(row) * quint64(m_months) + quint64(month);
    }

    int m_valueRows = 0;
    int m_months = 0;
    bool m_dense = true;
    std::vector<double> m_rowTotals;   // valueRows + 1, the grand total last
    std::vector<double> m_monthTotals; // the grand-total row's month cells
    std::vector<double> m_cells;       // valueRows × months when dense
    std::unordered_map<quint64, double> m_sparseCells;
};

} // namespace tallyfox
