// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/monthgrid.h"

namespace tallyfox {

void MonthGrid::reset(int valueRows, int months)
{
    m_valueRows = valueRows;
    m_months = months;
    m_rowTotals.assign(static_cast<size_t>(valueRows) + 1, 0.0);
    m_monthTotals.assign(static_cast<size_t>(months), 0.0);
    m_dense = qint64(valueRows) * months <= kMaxDenseCells;
    m_sparseCells.clear();
    if (m_dense)
        m_cells.assign(static_cast<size_t>(valueRows) * static_cast<size_t>(months), 0.0);
    else
        m_cells = {};
}

void MonthGrid::add(int row, int month, double value)
{
    if (month >= 0) {
        if (m_dense)
            m_cells[cellKey(row, month)] += value;
        else if (value != 0.0)
            m_sparseCells[cellKey(row, month)] += value; // adding zero would change no sum
        m_monthTotals[static_cast<size_t>(month)] += value;
    }
    m_rowTotals[static_cast<size_t>(row)] += value;
    m_rowTotals[static_cast<size_t>(m_valueRows)] += value;
}

double MonthGrid::cell(int row, int month) const
{
    if (row == m_valueRows)
        return m_monthTotals[static_cast<size_t>(month)];
    if (m_dense)
        return m_cells[cellKey(row, month)];
    const auto found = m_sparseCells.find(cellKey(row, month));
    return found == m_sparseCells.end() ? 0.0 : found->second;
}

} // namespace tallyfox
