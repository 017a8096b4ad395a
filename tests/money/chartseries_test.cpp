// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/textforms.h"
#include "money/chartseries.h"
#include "money/entrypick.h"
#include "moneyfixtures.h"
#include "storage/databasefile.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::EntryFields;
using test::kEuroTable;
using test::makeState;

// The databases the charts are checked on: the shipped sample, a hand-made one with a currency the
// table lacks and an income type, a generated one over several years, and an empty one.
AppState sampleState()
{
    AppState state(test::pinnedLocale());
    buildCurrencyTable(state, {u"EUR=Primary"_qs, u"US$=1.09"_qs, u"GBP=0.855"_qs, u"SEK=11.45"_qs});
    state.databasePath = QStringLiteral(TALLYFOX_TEST_DATA_FOLDER "/../../data/sample.tfx");
    EXPECT_TRUE(readDatabaseFile(state).ok());
    EXPECT_GT(state.entryCount(), 300);
    return state;
}

AppState handMadeState()
{
    return makeState(kEuroTable, {{.type = "Salary", .amount = 2500, .income = true, .month = 1, .day = 5},
                                  {.type = "Taxi", .currency = "US$", .amount = 14.40, .month = 1, .day = 9},
                                  {.type = "Taxi", .currency = "XYZ", .amount = 99, .month = 2, .day = 1},
                                  {.type = "Hotel", .currency = "GBP", .amount = 89, .month = 3, .day = 3},
                                  {.type = "Taxi", .amount = 20, .income = true, .month = 3, .day = 30},
                                  {.type = "", .amount = 5, .year = 2009, .month = 11, .day = 30}});
}

AppState generatedState()
{
    AppState state = makeState(kEuroTable, {});
    QRandomGenerator random(20240601);
    const char* types[] = {"Rent", "Food", "Taxi", "Salary", "Books", "Hotel", "Fuel", "Gifts", "Tax"};
    const char* currencies[] = {"EUR", "US$", "GBP", "CHF"};
    for (int i = 0; i < 600; ++i) {
        const QDate day = QDate(2019, 6, 1).addDays(random.bounded(1500));
        state.entries.append(test::makeExpense({.type = types[random.bounded(9)],
                                                .currency = currencies[random.bounded(4)],
                                                .amount = random.bounded(100000) / 100.0,
                                                .income = random.bounded(10) == 0,
                                                .date = day,
                                                .source = random.bounded(2) ? "Employer" : "Own",
                                                .paidWith = random.bounded(2) ? "Cash" : "Card"}));
    }
    return state;
}

struct Database
{
    const char* name;
    AppState (*make)();
};
const Database kDatabases[] = {{"sample", sampleState},
                               {"hand-made", handMadeState},
                               {"generated", generatedState},
                               {"empty", [] {
                                    return makeState(kEuroTable, {});
                                }}};

MonthTable chartTable(const AppState& state, OverviewView view, int currencyChoice, int modeChoice)
{
    MonthTable table;
    buildMonthColumns(table, state, view);
    fillMonthTable(table, state, currencyChoice, modeChoice);
    return table;
}

// The table's "Total" row text of a month column.
QString totalCell(const MonthTable& table, int monthIndex)
{
    return table.cellText(table.rowCount() - 1, monthIndex + 2);
}

// For every database, currency choice and mode: the bars of every month are the "Total" rows of the
// tables in "Expenses only" and "Income only", and the balance is the opposite of "Expenses - Income".
TEST(ChartSeries, MonthBarsAreTheTablesTotalRows)
{
    for (const Database& database : kDatabases) {
        const AppState state = database.make();
        for (int currency = 0; currency < 3; ++currency) {
            for (int mode = 0; mode < 3; ++mode) {
                SCOPED_TRACE(testing::Message()
                             << database.name << " currency " << currency << " mode " << mode);
                const ChartTables tables = buildChartTables(state, ChartKind::Months, currency, mode);
                const MonthTable expenses = chartTable(state, OverviewView::ExpenseTypes, currency, 1);
                const MonthTable income = chartTable(state, OverviewView::ExpenseTypes, currency, 2);
                const MonthTable net = chartTable(state, OverviewView::ExpenseTypes, currency, 0);
                const MonthSpan span = tableMonths(expenses);
                const MonthSeries series = monthSeries(tables, span);
                ASSERT_EQ(series.bars.size(), size_t(expenses.monthCount()));
                EXPECT_EQ(series.showsExpenses, mode != 2);
                EXPECT_EQ(series.showsIncome, mode != 1);
                EXPECT_EQ(series.showsBalance, mode == 0);
                for (int i = 0; i < span.count; ++i) {
                    const MonthBar& bar = series.bars[size_t(i)];
                    EXPECT_EQ(monthCaption(bar.month), expenses.columns()[size_t(i) + 2].caption);
                    if (series.showsExpenses) {
                        EXPECT_EQ(amountText(bar.expenses), totalCell(expenses, i));
                    }
                    if (series.showsIncome) {
                        EXPECT_EQ(amountText(bar.income), totalCell(income, i));
                    }
                    if (series.showsBalance) {
                        EXPECT_EQ(amountText(-bar.balance()), totalCell(net, i));
                    }
                }
            }
        }
    }
}

// A ring over all months holds the rows of its view's table whose "Total" is above zero, with those sums;
// over one month, the rows' cells of that month.
TEST(ChartSeries, RingPartsAreTheTablesRows)
{
    const std::pair<ChartKind, OverviewView> kinds[] = {
        {ChartKind::ExpenseTypes, OverviewView::ExpenseTypes},
        {ChartKind::IntendedSources, OverviewView::IntendedSources},
        {ChartKind::PaymentMethods, OverviewView::PaymentMethods}};
    for (const Database& database : kDatabases) {
        const AppState state = database.make();
        for (const auto& [kind, view] : kinds) {
            for (int mode = 0; mode < 3; ++mode) {
                SCOPED_TRACE(testing::Message()
                             << database.name << " view " << int(view) << " mode " << mode);
                const ChartTables tables = buildChartTables(state, kind, 0, mode);
                const MonthTable table = chartTable(state, view, 0, mode);
                const MonthSpan all = tableMonths(table);
                const MonthSpan lastMonth{all.last(), all.count > 0 ? 1 : 0};
                for (const auto& [span, column] :
                     {std::pair{all, 1}, std::pair{lastMonth, table.columnCount() - 2}}) {
                    const ShareSeries series = shareSeries(tables, span, 0);
                    QStringList expected;
                    int leftOut = 0;
                    for (int row = 0; row < table.rowValues().size(); ++row) {
                        const QString cell = table.cellText(row, column);
                        if (cell.startsWith(u'-'))
                            ++leftOut;
                        else if (cell != u"0.00")
                            expected.append(table.rowValues()[row] + u'=' + cell);
                    }
                    QStringList shown;
                    for (const ShareSlice& slice : series.slices)
                        shown.append(slice.value + u'=' + amountText(slice.amount));
                    expected.sort();
                    shown.sort();
                    EXPECT_EQ(shown, expected);
                    EXPECT_EQ(series.leftOut, leftOut);
                    EXPECT_TRUE(std::is_sorted(
                        series.slices.begin(), series.slices.end(),
                        [](const ShareSlice& a, const ShareSlice& b) { return a.amount > b.amount; }));
                }
            }
        }
    }
}

TEST(ChartSeries, ARingGathersItsSmallestPartsAsOthers)
{
    const AppState state = generatedState();
    const ChartTables tables = buildChartTables(state, ChartKind::ExpenseTypes, 0, 1);
    const MonthSpan all = tableMonths(tables.shares);
    const ShareSeries whole = shareSeries(tables, all, 0);
    const ShareSeries gathered = shareSeries(tables, all, 4);
    ASSERT_EQ(whole.slices.size(), 9u);
    ASSERT_EQ(gathered.slices.size(), 4u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(gathered.slices[i].value, whole.slices[i].value);
    EXPECT_TRUE(gathered.slices[3].others);
    double rest = 0.0;
    for (size_t i = 3; i < whole.slices.size(); ++i)
        rest += whole.slices[i].amount;
    EXPECT_EQ(amountText(gathered.slices[3].amount), amountText(rest));
    EXPECT_EQ(amountText(gathered.total), amountText(whole.total));
}

// The chart's months: a year up to this month, or up to the last month with entries when this month lies
// outside them; "all" is the table's months, and one month asked for stands alone.
TEST(ChartSeries, PeriodsEndThisMonthOrWithTheEntries)
{
    const MonthSpan table{monthNumberOf(QDate(2023, 1, 1)), 24};
    struct Case
    {
        ChartPeriod period;
        QDate today;
        const char16_t* caption;
    };
    const Case cases[] = {
        {{12, std::nullopt}, QDate(2024, 6, 15), u"7-2023 – 6-2024"},
        {{12, std::nullopt}, QDate(2026, 12, 9), u"1-2024 – 12-2024"},
        {{12, std::nullopt}, QDate(2010, 1, 3), u"1-2024 – 12-2024"},
        {{24, std::nullopt}, QDate(2024, 2, 1), u"3-2022 – 2-2024"},
        {{0, std::nullopt}, QDate(2024, 2, 1), u"1-2023 – 12-2024"},
        {{1, monthNumberOf(QDate(2023, 9, 1))}, QDate(2024, 2, 1), u"9-2023"},
        {{12, monthNumberOf(QDate(2023, 9, 1))}, QDate(2024, 2, 1), u"10-2022 – 9-2023"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spanCaption(periodSpan(c.period, table, monthNumberOf(c.today))), QStringView(c.caption));
    // No entries: the year up to this month.
    EXPECT_EQ(spanCaption(periodSpan({12, std::nullopt}, {}, monthNumberOf(QDate(2010, 1, 3)))),
              u"2-2009 – 1-2010"_qs);
}

TEST(ChartSeries, KindsAndTitlesReadAsTheCommandLineAndTheOverviewWriteThem)
{
    for (const ChartKind kind : kChartKinds)
        EXPECT_EQ(chartKindFromName(chartKindName(kind)), kind);
    EXPECT_EQ(chartKindFromName(u"Months"), std::nullopt);
    EXPECT_EQ(chartTitle(ChartKind::ExpenseTypes, {monthNumberOf(QDate(2024, 1, 1)), 12},
                         u"Converted to EUR"_qs, 1),
              u"Expense types, 1-2024 – 12-2024 (Converted to EUR, Expenses only)"_qs);
    EXPECT_EQ(lastDayOfMonth(monthNumberOf(QDate(2024, 2, 10))), QDate(2024, 2, 29));
}

// A tap on a part names the entries of that value in the months, narrowed as the chart's choices were.
TEST(EntryPick, FindsTheEntriesOfTheValueInTheMonths)
{
    const AppState state = handMadeState();
    EntryPick pick{.view = OverviewView::ExpenseTypes,
                   .value = u"Taxi"_qs,
                   .from = QDate(2010, 2, 1),
                   .to = QDate(2010, 3, 31),
                   .income = std::nullopt,
                   .currency = std::nullopt};
    EXPECT_EQ(firstPickedEntry(state.entries, pick), 2);
    pick.income = true;
    EXPECT_EQ(firstPickedEntry(state.entries, pick), 4);
    pick.income = std::nullopt;
    pick.currency = u"US$"_qs;
    EXPECT_EQ(firstPickedEntry(state.entries, pick), -1);
    pick.from = QDate(2010, 1, 1);
    EXPECT_EQ(firstPickedEntry(state.entries, pick), 1);
    const EntryPick employer{.view = OverviewView::IntendedSources,
                             .value = u"Employer"_qs,
                             .from = QDate(2009, 1, 1),
                             .to = QDate(2009, 12, 31),
                             .income = std::nullopt,
                             .currency = std::nullopt};
    EXPECT_EQ(firstPickedEntry(state.entries, employer), 5);
}

} // namespace
} // namespace tallyfox
