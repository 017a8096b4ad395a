// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/chartseries.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace tallyfox {

namespace {

constexpr std::array<const char16_t*, 4> kKindNames = {u"months", u"types", u"sources", u"methods"};

// The value of a table's grand-total row in a month, 0.0 for a month outside its columns.
double totalRowCell(const MonthTable& table, int month)
{
    const MonthSpan months = tableMonths(table);
    if (!months.contains(month) || table.grid().months() != months.count)
        return 0.0;
    return table.grid().cell(table.grid().valueRows(), month - months.first);
}

} // namespace

QStringList chartKindItems()
{
    return {QString::fromLatin1(QT_TRANSLATE_NOOP("ChartSeries", "Months")),
            QString::fromLatin1(QT_TRANSLATE_NOOP("ChartSeries", "Expense types")),
            QString::fromLatin1(QT_TRANSLATE_NOOP("ChartSeries", "Int. sources")),
            QString::fromLatin1(QT_TRANSLATE_NOOP("ChartSeries", "Paym. methods"))};
}

QString chartKindName(ChartKind kind)
{
    return QString::fromUtf16(kKindNames[static_cast<size_t>(kind)]);
}

std::optional<ChartKind> chartKindFromName(QStringView name)
{
    for (const ChartKind kind : kChartKinds) {
        if (name == QStringView(kKindNames[static_cast<size_t>(kind)]))
            return kind;
    }
    return std::nullopt;
}

OverviewView tableViewOf(ChartKind kind)
{
    switch (kind) {
    case ChartKind::IntendedSources:
        return OverviewView::IntendedSources;
    case ChartKind::PaymentMethods:
        return OverviewView::PaymentMethods;
    case ChartKind::Months:
    case ChartKind::ExpenseTypes:
        break;
    }
    return OverviewView::ExpenseTypes;
}

int monthNumberOf(QDate day)
{
    return day.year() * 12 + (day.month() - 1);
}

QDate firstDayOfMonth(int month)
{
    return QDate(month / 12, month % 12 + 1, 1);
}

QDate lastDayOfMonth(int month)
{
    const QDate first = firstDayOfMonth(month);
    return QDate(first.year(), first.month(), first.daysInMonth());
}

QString monthCaption(int month)
{
    return QString::number(month % 12 + 1) + u'-' + QString::number(month / 12);
}

QString spanCaption(const MonthSpan& span)
{
    if (span.count <= 0)
        return QString();
    if (span.count == 1)
        return monthCaption(span.first);
    return monthCaption(span.first) + QStringLiteral(" – ") + monthCaption(span.last());
}

QString chartTitle(ChartKind kind, const MonthSpan& span, const QString& currencyItem, int modeChoice)
{
    const QStringList modes = modeChoiceItems();
    const QString mode = modes.at(static_cast<int>(tableModeOfChoice(modeChoice)));
    QString title = chartKindItems().at(static_cast<int>(kind));
    if (span.count > 0)
        title += QStringLiteral(", ") + spanCaption(span);
    return title + QStringLiteral(" (%1, %2)").arg(currencyItem, mode);
}

MonthSpan tableMonths(const MonthTable& table)
{
    if (table.monthCount() <= 0)
        return {};
    return {table.firstYear() * 12 + (table.firstMonth() - 1), table.monthCount()};
}

int defaultLastMonth(MonthSpan table, int thisMonth)
{
    if (table.count <= 0 || table.contains(thisMonth))
        return thisMonth;
    return table.last();
}

MonthSpan periodSpan(const ChartPeriod& period, MonthSpan table, int thisMonth)
{
    if (period.months <= 0)
        return table;
    const int last = period.last.value_or(defaultLastMonth(table, thisMonth));
    return {last - period.months + 1, period.months};
}

ChartTables buildChartTables(const AppState& state, ChartKind kind, int currencyChoice, int modeChoice)
{
    ChartTables tables;
    tables.kind = kind;
    tables.mode = tableModeOfChoice(modeChoice);
    MonthTable built;
    buildMonthColumns(built, state, tableViewOf(kind));
    if (kind != ChartKind::Months) {
        tables.shares = std::move(built);
        fillMonthTable(tables.shares, state, currencyChoice, modeChoice);
        return tables;
    }
    // Each table is filled from its own copy of the columns, so that the entries are read once for the
    // columns and once for each sum.
    if (tables.mode != TableMode::IncomeOnly) {
        tables.expenses = built;
        fillMonthTable(tables.expenses, state, currencyChoice, static_cast<int>(TableMode::ExpensesOnly));
    }
    if (tables.mode != TableMode::ExpensesOnly) {
        tables.income = std::move(built);
        fillMonthTable(tables.income, state, currencyChoice, static_cast<int>(TableMode::IncomeOnly));
    }
    return tables;
}

MonthSeries monthSeries(const ChartTables& tables, MonthSpan span)
{
    MonthSeries series;
    series.span = span;
    series.showsExpenses = tables.mode != TableMode::IncomeOnly;
    series.showsIncome = tables.mode != TableMode::ExpensesOnly;
    series.showsBalance = tables.mode == TableMode::ExpensesMinusIncome;
    series.bars.reserve(static_cast<size_t>(std::max(0, span.count)));
    for (int month = span.first; month <= span.last(); ++month) {
        MonthBar bar{month};
        if (series.showsExpenses)
            bar.expenses = totalRowCell(tables.expenses, month);
        if (series.showsIncome)
            bar.income = totalRowCell(tables.income, month);
        series.bars.push_back(bar);
    }
    return series;
}

double rowSum(const MonthTable& table, int row, MonthSpan span)
{
    const MonthSpan months = tableMonths(table);
    if (months.count <= 0 || table.grid().months() != months.count)
        return 0.0;
    if (span.first <= months.first && span.last() >= months.last())
        return table.grid().total(row);
    const int first = std::max(span.first, months.first);
    const int last = std::min(span.last(), months.last());
    double sum = 0.0;
    for (int month = first; month <= last; ++month)
        sum += table.grid().cell(row, month - months.first);
    return sum;
}

ShareSeries shareSeries(const ChartTables& tables, MonthSpan span, int maxSlices)
{
    ShareSeries series;
    series.view = tableViewOf(tables.kind);
    series.span = span;
    const MonthTable& table = tables.shares;
    const QStringList& values = table.rowValues();
    for (int row = 0; row < values.size(); ++row) {
        const double amount = rowSum(table, row, span);
        // A sum that shows as 0.00 has no part to draw either.
        if (amount < 0.005) {
            if (amount <= -0.005)
                ++series.leftOut;
            continue;
        }
        series.slices.push_back({values[row], amount});
    }
    // Largest first; equal sums keep the table's order.
    std::stable_sort(series.slices.begin(), series.slices.end(),
                     [](const ShareSlice& a, const ShareSlice& b) { return a.amount > b.amount; });
    if (maxSlices > 0 && static_cast<int>(series.slices.size()) > maxSlices) {
        ShareSlice others{QStringLiteral("Others"), 0.0, true};
        for (size_t i = static_cast<size_t>(maxSlices) - 1; i < series.slices.size(); ++i)
            others.amount += series.slices[i].amount;
        series.slices.resize(static_cast<size_t>(maxSlices) - 1);
        series.slices.push_back(others);
    }
    for (const ShareSlice& slice : series.slices)
        series.total += slice.amount;
    return series;
}

} // namespace tallyfox
