// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/monthtable.h"
#include "money/overviewchoices.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tallyfox {

struct AppState;

// The overview's charts: the months' expenses and income as bars, or the shares of one month or a range
// of months per expense type, intended source or payment method as a ring.
enum class ChartKind
{
    Months = 0,
    ExpenseTypes = 1,
    IntendedSources = 2,
    PaymentMethods = 3,
};
inline constexpr ChartKind kChartKinds[] = {ChartKind::Months, ChartKind::ExpenseTypes,
                                            ChartKind::IntendedSources, ChartKind::PaymentMethods};

// The chart choice as the overview offers it: "Months", "Expense types", "Int. sources", "Paym. methods".
[[nodiscard]] QStringList chartKindItems();
// The command line's names: months, types, sources, methods.
[[nodiscard]] QString chartKindName(ChartKind kind);
[[nodiscard]] std::optional<ChartKind> chartKindFromName(QStringView name);
// The month table whose rows a ring shows; the months' bars take the expense types' table, whose
// "Total" row every table view shares.
[[nodiscard]] OverviewView tableViewOf(ChartKind kind);

// Months are numbered from year 0 (year × 12 + month − 1), so that two months' distance is a difference.
[[nodiscard]] int monthNumberOf(QDate day);
[[nodiscard]] QDate firstDayOfMonth(int month);
[[nodiscard]] QDate lastDayOfMonth(int month);
// "9-2024", as the month tables caption their columns.
[[nodiscard]] QString monthCaption(int month);

// A run of months, count 0 for none.
struct MonthSpan
{
    int first = 0;
    int count = 0;

    [[nodiscard]] int last() const { return first + count - 1; }
    [[nodiscard]] bool contains(int month) const { return month >= first && month < first + count; }
    friend bool operator==(const MonthSpan&, const MonthSpan&) = default;
};

// "9-2024" for one month, "1-2024 – 12-2024" for more, empty for none.
[[nodiscard]] QString spanCaption(const MonthSpan& span);

// What a chart shows, in words: "Expense types, 1-2024 – 12-2024 (Converted to EUR, Expenses only)".
[[nodiscard]] QString chartTitle(ChartKind kind, const MonthSpan& span, const QString& currencyItem,
                                 int modeChoice);

// The months a table's columns run through.
[[nodiscard]] MonthSpan tableMonths(const MonthTable& table);

// The month a chart's period ends with by default: this month while the table reaches it, else the
// table's last month, so that a database kept in other years still shows its own months.
[[nodiscard]] int defaultLastMonth(MonthSpan table, int thisMonth);

// The months a chart shows: the months up to and including last (by default, defaultLastMonth), or every
// month of the table when months is 0.
struct ChartPeriod
{
    int months = 12;
    std::optional<int> last;

    friend bool operator==(const ChartPeriod&, const ChartPeriod&) = default;
};
[[nodiscard]] MonthSpan periodSpan(const ChartPeriod& period, MonthSpan table, int thisMonth);

// The month tables behind the charts of one currency and mode choice, summed as the overview's tables
// sum them, so that a chart shows what a table shows: for the months' bars the "Total" rows of the tables
// in "Expenses only" and "Income only" (whichever the mode shows), for a ring the rows of its view's
// table in the chosen mode.
struct ChartTables
{
    ChartKind kind = ChartKind::Months;
    TableMode mode = TableMode::ExpensesMinusIncome;
    MonthTable expenses;
    MonthTable income;
    MonthTable shares;
};
[[nodiscard]] ChartTables buildChartTables(const AppState& state, ChartKind kind, int currencyChoice,
                                           int modeChoice);

// One month's bars. The balance is income − expenses, as the report counts it.
struct MonthBar
{
    int month = 0;
    double expenses = 0.0;
    double income = 0.0;

    [[nodiscard]] double balance() const { return income - expenses; }
};

// The bars of the months of a span, oldest first, a month without entries at 0.00. What the mode shows:
// both bars and the balance for "Expenses - Income", else the one bar.
struct MonthSeries
{
    MonthSpan span;
    bool showsExpenses = true;
    bool showsIncome = true;
    bool showsBalance = true;
    std::vector<MonthBar> bars;
};
[[nodiscard]] MonthSeries monthSeries(const ChartTables& tables, MonthSpan span);

// One part of a ring: a row value of the table and its sum over the months.
struct ShareSlice
{
    QString value;
    double amount = 0.0;
    // The smaller values beyond the ring's room, summed as one part.
    bool others = false;
};

// The parts of a ring over a span, largest first, at most maxSlices (the last of them then gathers the
// rest). Only sums above zero make parts; the others (a type with more income than expenses, in the mode
// "Expenses - Income") are counted as left out.
struct ShareSeries
{
    OverviewView view = OverviewView::ExpenseTypes;
    MonthSpan span;
    std::vector<ShareSlice> slices;
    double total = 0.0;
    int leftOut = 0;
};
inline constexpr int kMostSlices = 7;
[[nodiscard]] ShareSeries shareSeries(const ChartTables& tables, MonthSpan span, int maxSlices = kMostSlices);

// The sum of one table row over the months of a span, as the table's cells hold them; the whole table's
// months give its "Total" cell.
[[nodiscard]] double rowSum(const MonthTable& table, int row, MonthSpan span);

} // namespace tallyfox
