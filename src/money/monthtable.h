// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/monthgrid.h"
#include "money/overviewchoices.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tallyfox {

struct AppState;

enum class ColumnAlignment
{
    Left,
    Right,
};

struct TableColumn
{
    QString caption;
    ColumnAlignment alignment = ColumnAlignment::Left;
    int width = 0; // pixels

    friend bool operator==(const TableColumn&, const TableColumn&) = default;
};

// A month table as data for the overview to show: the columns (view caption, "Total", one per month
// from the oldest to the newest, view caption again) and the rows (one per distinct value of the view's
// field, an empty row, and "Total"). Cell texts are made when asked for, so a view shows only what
// is visible.
class MonthTable
{
public:
    [[nodiscard]] OverviewView view() const { return m_view; }
    [[nodiscard]] const std::vector<TableColumn>& columns() const { return m_columns; }
    [[nodiscard]] int columnCount() const { return static_cast<int>(m_columns.size()); }
    // No rows until the table has been filled.
    [[nodiscard]] int rowCount() const { return m_filled ? static_cast<int>(m_rowValues.size()) + 2 : 0; }
    [[nodiscard]] QString cellText(int row, int column) const;
    [[nodiscard]] QStringList rowTexts(int row) const;

    // The distinct field values in the order of first appearance, and the month range.
    [[nodiscard]] const QStringList& rowValues() const { return m_rowValues; }
    [[nodiscard]] int firstYear() const { return m_firstYear; }
    [[nodiscard]] int firstMonth() const { return m_firstMonth; }
    [[nodiscard]] int monthCount() const { return m_monthCount; }
    [[nodiscard]] const MonthGrid& grid() const { return m_grid; }

private:
    friend void buildMonthColumns(MonthTable& table, const AppState& state, OverviewView view);
    friend void fillMonthTable(MonthTable& table, const AppState& state, int currencyChoice, int modeChoice);

    OverviewView m_view = OverviewView::ExpenseTypes;
    std::vector<TableColumn> m_columns;
    QStringList m_rowValues;
    int m_firstYear = 0;
    int m_firstMonth = 0;
    int m_monthCount = 0;
    MonthGrid m_grid;
    bool m_filled = false;
};

// Rebuilds the row values, the month range and the columns for a table view; the rows stay empty until
// the table is filled. Another view leaves the table without columns and rows.
void buildMonthColumns(MonthTable& table, const AppState& state, OverviewView view);

// Sums the entries into the table's rows for the view it was built for. Currency choice 0 converts
// every amount to the primary currency (currencies that cannot be converted count 0.0); choice c ≥ 1
// takes the amounts of table currency c-1 as they are, and 0.0 for all others. The mode choice is an
// index of modeChoiceItems.
void fillMonthTable(MonthTable& table, const AppState& state, int currencyChoice, int modeChoice);

// The table as "Copy to clipboard" takes it: a header line of every column's caption but the last, and
// one line per row of every cell but the last, each followed by a TAB; lines end in CR LF.
[[nodiscard]] QString monthTableText(const MonthTable& table);

} // namespace tallyfox
