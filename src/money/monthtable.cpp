// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/monthtable.h"

#include "core/appstate.h"
#include "core/daycount.h"
#include "core/textforms.h"
#include "core/textids.h"
#include "money/currencylookup.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

namespace tallyfox {

namespace {

constexpr int kNameColumnWidth = 80;
constexpr int kNumberColumnWidth = 50;

// Months counted from year 0, so that two dates' distance in months is a difference.
int monthNumber(const CalendarDay& day)
{
    return day.year * 12 + (day.month - 1);
}

// The month number of entry dates; entries come mostly in date order, so the last day is kept.
class MonthOfDate
{
public:
    // -1 when the date names no calendar day.
    int operator()(double date)
    {
        const double day = std::floor(date);
        if (day == m_lastDay)
            return m_lastMonth;
        const auto calendarDay = dateFromDayCount(date);
        m_lastDay = day;
        m_lastMonth = calendarDay ? monthNumber(*calendarDay) : -1;
        return m_lastMonth;
    }

private:
    double m_lastDay = std::numeric_limits<double>::quiet_NaN();
    int m_lastMonth = -1;
};

// The value an entry adds to its cells, by the chosen currency and mode.
double tableValue(const Expense& entry, int currencyGroup, const CurrencyLookup& lookup, int currencyChoice,
                  TableMode mode)
{
    double base = 0.0;
    if (currencyChoice <= 0)
        base = lookup.toPrimary(currencyGroup, entry.amount);
    else if (lookup.tableIndex(currencyGroup) == currencyChoice - 1)
        base = entry.amount;
    switch (mode) {
    case TableMode::ExpensesOnly:
        return entry.income ? 0.0 : base;
    case TableMode::IncomeOnly:
        return entry.income ? base : 0.0;
    case TableMode::ExpensesMinusIncome:
        break;
    }
    return entry.income ? -base : base;
}

} // namespace

void buildMonthColumns(MonthTable& table, const AppState& state, OverviewView view)
{
    table.m_view = view;
    table.m_columns.clear();
    table.m_rowValues.clear();
    table.m_firstYear = 0;
    table.m_firstMonth = 0;
    table.m_monthCount = 0;
    table.m_grid.reset(0, 0);
    table.m_filled = false;
    if (!isTableView(view))
        return;

    TextIds values;
    MonthOfDate monthOf;
    int earliest = std::numeric_limits<int>::max();
    int latest = std::numeric_limits<int>::min();
    for (const Expense& entry : state.entries) {
        if (values.idOf(viewField(entry, view)) == static_cast<int>(table.m_rowValues.size()))
            table.m_rowValues.append(viewField(entry, view));
        // An entry without a calendar day widens no month range.
        if (const int month = monthOf(entry.date); month >= 0) {
            earliest = std::min(earliest, month);
            latest = std::max(latest, month);
        }
    }
    if (earliest <= latest) {
        table.m_firstYear = earliest / 12;
        table.m_firstMonth = earliest % 12 + 1;
        table.m_monthCount = latest - earliest + 1;
    }

    const QString caption = viewFieldCaption(view);
    table.m_columns.reserve(static_cast<size_t>(table.m_monthCount) + 3);
    table.m_columns.push_back({caption, ColumnAlignment::Left, kNameColumnWidth});
    table.m_columns.push_back(
        {QCoreApplication::translate("MonthTable", "Total"), ColumnAlignment::Right, kNumberColumnWidth});
    for (int i = 0; i < table.m_monthCount; ++i) {
        const int month = earliest + i;
        table.m_columns.push_back({QString::number(month % 12 + 1) + u'-' + QString::number(month / 12),
                                   ColumnAlignment::Right, kNumberColumnWidth});
    }
    table.m_columns.push_back({caption, ColumnAlignment::Left, kNameColumnWidth});
}

void fillMonthTable(MonthTable& table, const AppState& state, int currencyChoice, int modeChoice)
{
    if (!isTableView(table.m_view) || table.m_columns.empty())
        return;
    const int valueRows = static_cast<int>(table.m_rowValues.size());
    table.m_grid.reset(valueRows, table.m_monthCount);
    table.m_filled = true;

    // The row values are distinct, so numbering them first gives each its row; a text numbered later
    // has no row.
    TextIds values;
    for (int row = 0; row < valueRows; ++row) {
        const int id = values.idOf(table.m_rowValues[row]);
        Q_ASSERT(id == row);
    }

    const TableMode mode = tableModeOfChoice(modeChoice);
    const int firstMonth = table.m_firstYear * 12 + (table.m_firstMonth - 1);
    CurrencyLookup lookup(state.currencies);
    MonthOfDate monthOf;
    for (const Expense& entry : state.entries) {
        const int row = values.idOf(viewField(entry, table.m_view));
        // Only entries that changed since the columns were built can miss their row.
        if (row >= valueRows)
            continue;
        const int entryMonth = monthOf(entry.date);
        int month = entryMonth < 0 ? -1 : entryMonth - firstMonth;
        if (month >= table.m_monthCount)
            month = -1;
        const int currency = lookup.groupOf(entry.currency);
        table.m_grid.add(row, month, tableValue(entry, currency, lookup, currencyChoice, mode));
    }
}

QString MonthTable::cellText(int row, int column) const
{
    const int valueRows = static_cast<int>(m_rowValues.size());
    const int lastColumn = columnCount() - 1;
    if (row < 0 || row >= rowCount() || column < 0 || column > lastColumn || row == valueRows)
        return QString();
    const bool totalRow = row == valueRows + 1;
    if (column == 0 || column == lastColumn)
        return totalRow ? QCoreApplication::translate("MonthTable", "Total") : m_rowValues[row];
    const int gridRow = totalRow ? valueRows : row;
    // "-" only when the text is not 0.00, so sums that cancel out do not read -0.00.
    return amountText(column == 1 ? m_grid.total(gridRow) : m_grid.cell(gridRow, column - 2));
}

QStringList MonthTable::rowTexts(int row) const
{
    QStringList texts;
    texts.reserve(columnCount());
    for (int column = 0; column < columnCount(); ++column)
        texts.append(cellText(row, column));
    return texts;
}

QString monthTableText(const MonthTable& table)
{
    const int shownColumns = std::max(0, table.columnCount() - 1);
    QString text;
    for (int column = 0; column < shownColumns; ++column) {
        text += table.columns()[static_cast<size_t>(column)].caption;
        text += u'\t';
    }
    text += u"\r\n";
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < shownColumns; ++column) {
            text += table.cellText(row, column);
            text += u'\t';
        }
        text += u"\r\n";
    }
    return text;
}

} // namespace tallyfox
