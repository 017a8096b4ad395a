// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/monthtable.h"
#include "moneyfixtures.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::EntryFields;
using test::kEuroTable;
using test::makeState;

constexpr int kConverted = 0;
constexpr int kExpensesMinusIncome = 0;
constexpr int kExpensesOnly = 1;
constexpr int kIncomeOnly = 2;

QStringList captions(const MonthTable& table)
{
    QStringList texts;
    for (const TableColumn& column : table.columns())
        texts.append(column.caption);
    return texts;
}

MonthTable filledTable(const AppState& state, OverviewView view, int currencyChoice, int modeChoice)
{
    MonthTable table;
    buildMonthColumns(table, state, view);
    fillMonthTable(table, state, currencyChoice, modeChoice);
    return table;
}

TEST(MonthColumns, RunFromTheOldestToTheNewestMonthWithoutGaps)
{
    const AppState state = makeState(kEuroTable, {{.amount = 1, .year = 2010, .month = 2, .day = 2},
                                                  {.amount = 2, .year = 2009, .month = 11, .day = 15}});
    const MonthTable table = filledTable(state, OverviewView::ExpenseTypes, kConverted, kExpensesMinusIncome);
    EXPECT_EQ(table.columns(), (std::vector<TableColumn>{{u"Type"_qs, ColumnAlignment::Left, 80},
                                                         {u"Total"_qs, ColumnAlignment::Right, 50},
                                                         {u"11-2009"_qs, ColumnAlignment::Right, 50},
                                                         {u"12-2009"_qs, ColumnAlignment::Right, 50},
                                                         {u"1-2010"_qs, ColumnAlignment::Right, 50},
                                                         {u"2-2010"_qs, ColumnAlignment::Right, 50},
                                                         {u"Type"_qs, ColumnAlignment::Left, 80}}));
    EXPECT_EQ(table.firstYear(), 2009);
    EXPECT_EQ(table.firstMonth(), 11);
    EXPECT_EQ(table.monthCount(), 4);
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.rowTexts(0), (QStringList{u"Dinner"_qs, u"3.00"_qs, u"2.00"_qs, u"0.00"_qs, u"0.00"_qs,
                                              u"1.00"_qs, u"Dinner"_qs}));
    EXPECT_EQ(table.rowTexts(1), QStringList(7, QString()));
    EXPECT_EQ(table.rowTexts(2), (QStringList{u"Total"_qs, u"3.00"_qs, u"2.00"_qs, u"0.00"_qs, u"0.00"_qs,
                                              u"1.00"_qs, u"Total"_qs}));
}

TEST(MonthColumns, EachTableViewGroupsItsOwnFieldUnderItsCaption)
{
    const AppState state = makeState(kEuroTable, {{.type = "Taxi", .source = "Client", .paidWith = "Card"},
                                                  {.type = "Hotel", .source = "Client", .paidWith = "Cash"},
                                                  {.type = "Taxi", .source = "", .paidWith = "Card"}});
    struct ViewCase
    {
        OverviewView view;
        const char16_t* caption;
        QStringList values;
    };
    const ViewCase cases[] = {
        {OverviewView::ExpenseTypes, u"Type", {u"Taxi"_qs, u"Hotel"_qs}},
        {OverviewView::IntendedSources, u"Int. Source", {u"Client"_qs, QString()}},
        {OverviewView::PaymentMethods, u"Paym. method", {u"Card"_qs, u"Cash"_qs}},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.caption).toStdString());
        MonthTable table;
        buildMonthColumns(table, state, c.view);
        EXPECT_EQ(table.view(), c.view);
        EXPECT_EQ(table.rowValues(), c.values);
        EXPECT_EQ(table.columns().front().caption, QStringView(c.caption));
        EXPECT_EQ(table.columns().back().caption, QStringView(c.caption));
        EXPECT_EQ(table.rowCount(), 0);
    }
    MonthTable table = filledTable(state, OverviewView::Overview, kConverted, kExpensesMinusIncome);
    EXPECT_EQ(table.columnCount(), 0);
    EXPECT_EQ(table.rowCount(), 0);
}

TEST(MonthTable, WithoutEntriesHoldsOnlyTheEmptyRowAndTheTotal)
{
    const AppState state = makeState(kEuroTable, {});
    const MonthTable table = filledTable(state, OverviewView::ExpenseTypes, kConverted, kExpensesMinusIncome);
    EXPECT_EQ(captions(table), (QStringList{u"Type"_qs, u"Total"_qs, u"Type"_qs}));
    EXPECT_EQ(monthTableText(table), u"Type\tTotal\t\r\n\t\t\r\nTotal\t0.00\t\r\n");
}

struct ModeCase
{
    int mode;
    bool income;
    const char16_t* text;
};

TEST(MonthTable, TheModeDecidesHowExpensesAndIncomesCount)
{
    const ModeCase cases[] = {
        {kExpensesMinusIncome, true, u"-20.00"},
        {kExpensesOnly, true, u"0.00"},
        {kIncomeOnly, true, u"20.00"},
        {kExpensesMinusIncome, false, u"20.00"},
        {kExpensesOnly, false, u"20.00"},
        {kIncomeOnly, false, u"0.00"},
        // A choice that is not offered counts as the first.
        {7, true, u"-20.00"},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.mode);
        const AppState state = makeState(kEuroTable, {{.amount = 20, .income = c.income}});
        const MonthTable table = filledTable(state, OverviewView::ExpenseTypes, kConverted, c.mode);
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(table.rowTexts(0), (QStringList{u"Dinner"_qs, text, text, u"Dinner"_qs}));
        EXPECT_EQ(table.rowTexts(2), (QStringList{u"Total"_qs, text, text, u"Total"_qs}));
    }
}

TEST(MonthTable, AChosenCurrencyShowsOnlyItsOwnAmountsUnconverted)
{
    const AppState state = makeState(kEuroTable + QStringList{u"ZER=0"_qs},
                                     {{.type = "Taxi", .currency = "US$", .amount = 14.4},
                                      {.type = "Hotel", .amount = 80},
                                      {.type = "Taxi", .currency = "XYZ", .amount = 5},
                                      {.type = "Taxi", .currency = "ZER", .amount = 9},
                                      {.type = "Taxi", .currency = " US$", .amount = 1.44}});
    struct ChoiceCase
    {
        int currency;
        QStringList taxi;
        QStringList hotel;
    };
    const ChoiceCase cases[] = {
        // Converted: XYZ is missing and ZER's rate converts nothing.
        {0,
         {u"Taxi"_qs, u"11.00"_qs, u"11.00"_qs, u"Taxi"_qs},
         {u"Hotel"_qs, u"80.00"_qs, u"80.00"_qs, u"Hotel"_qs}},
        {1,
         {u"Taxi"_qs, u"0.00"_qs, u"0.00"_qs, u"Taxi"_qs},
         {u"Hotel"_qs, u"80.00"_qs, u"80.00"_qs, u"Hotel"_qs}},
        {2,
         {u"Taxi"_qs, u"15.84"_qs, u"15.84"_qs, u"Taxi"_qs},
         {u"Hotel"_qs, u"0.00"_qs, u"0.00"_qs, u"Hotel"_qs}},
        {4,
         {u"Taxi"_qs, u"9.00"_qs, u"9.00"_qs, u"Taxi"_qs},
         {u"Hotel"_qs, u"0.00"_qs, u"0.00"_qs, u"Hotel"_qs}},
        {9,
         {u"Taxi"_qs, u"0.00"_qs, u"0.00"_qs, u"Taxi"_qs},
         {u"Hotel"_qs, u"0.00"_qs, u"0.00"_qs, u"Hotel"_qs}},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.currency);
        const MonthTable table = filledTable(state, OverviewView::ExpenseTypes, c.currency, kExpensesOnly);
        EXPECT_EQ(table.rowTexts(0), c.taxi);
        EXPECT_EQ(table.rowTexts(1), c.hotel);
    }
}

TEST(MonthTable, RefillingWithOtherChoicesKeepsColumnsAndRows)
{
    const AppState state =
        makeState(kEuroTable, {{.type = "Taxi", .currency = "US$", .amount = 14.4},
                               {.type = "Hotel", .amount = 80, .year = 2009, .month = 12}});
    MonthTable table;
    buildMonthColumns(table, state, OverviewView::ExpenseTypes);
    fillMonthTable(table, state, kConverted, kExpensesMinusIncome);
    const std::vector<TableColumn> columns = table.columns();
    EXPECT_EQ(table.rowTexts(3),
              (QStringList{u"Total"_qs, u"90.00"_qs, u"80.00"_qs, u"10.00"_qs, u"Total"_qs}));
    fillMonthTable(table, state, 2, kIncomeOnly);
    EXPECT_EQ(table.columns(), columns);
    EXPECT_EQ(table.rowValues(), (QStringList{u"Taxi"_qs, u"Hotel"_qs}));
    EXPECT_EQ(table.rowTexts(0), (QStringList{u"Taxi"_qs, u"0.00"_qs, u"0.00"_qs, u"0.00"_qs, u"Taxi"_qs}));
    EXPECT_EQ(table.rowTexts(3), (QStringList{u"Total"_qs, u"0.00"_qs, u"0.00"_qs, u"0.00"_qs, u"Total"_qs}));
}

TEST(MonthTable, SumsThatCancelOutReadZeroWithoutASign)
{
    const AppState state = makeState(
        kEuroTable, {{.amount = 0.3}, {.amount = 0.1, .income = true}, {.amount = 0.2, .income = true}});
    const MonthTable table = filledTable(state, OverviewView::ExpenseTypes, kConverted, kExpensesMinusIncome);
    ASSERT_LT(table.grid().total(0), 0.0);
    EXPECT_EQ(table.cellText(0, 1), u"0.00");
    EXPECT_EQ(table.cellText(2, 2), u"0.00");
}

TEST(MonthTable, AnEntryWithoutACalendarDayCountsOnlyInTheTotals)
{
    AppState state = makeState(kEuroTable, {{.amount = 1, .month = 3}});
    Expense& gift = state.entries.append();
    gift = test::makeEntry({.type = "Gift", .amount = 2});
    gift.date = 0.0;
    const MonthTable table = filledTable(state, OverviewView::ExpenseTypes, kConverted, kExpensesOnly);
    EXPECT_EQ(captions(table), (QStringList{u"Type"_qs, u"Total"_qs, u"3-2010"_qs, u"Type"_qs}));
    EXPECT_EQ(table.rowTexts(1), (QStringList{u"Gift"_qs, u"2.00"_qs, u"0.00"_qs, u"Gift"_qs}));
    EXPECT_EQ(table.rowTexts(3), (QStringList{u"Total"_qs, u"3.00"_qs, u"1.00"_qs, u"Total"_qs}));
}

// A few thousand distinct texts over eight centuries would need gigabytes as a plain grid.
TEST(MonthTable, AWideSparseTableKeepsOnlyTheCellsThatHoldValues)
{
    AppState state = makeState(kEuroTable, {});
    const int kTypes = 3000;
    for (int i = 0; i < kTypes; ++i) {
        const QByteArray type = "T" + QByteArray::number(i);
        state.entries.append(
            test::makeEntry({.type = type.constData(), .amount = 1, .year = 1800 + i % 800}));
    }
    state.entries.append(test::makeEntry({.type = "T5", .amount = 2, .year = 1805}));
    const MonthTable table = filledTable(state, OverviewView::ExpenseTypes, kConverted, kExpensesOnly);
    ASSERT_EQ(table.monthCount(), 799 * 12 + 1);
    EXPECT_FALSE(table.grid().isDense());
    EXPECT_EQ(table.cellText(5, 1), u"3.00");
    EXPECT_EQ(table.cellText(5, 2 + 5 * 12), u"3.00");
    EXPECT_EQ(table.cellText(5, 3 + 5 * 12), u"0.00");
    EXPECT_EQ(table.cellText(805, 2 + 5 * 12), u"1.00");
    EXPECT_EQ(table.cellText(kTypes + 1, 2 + 5 * 12), u"6.00");
    EXPECT_EQ(table.cellText(kTypes + 1, 1), u"3002.00");
}

TEST(monthTableText, CopiesEveryColumnButTheLastEachFollowedByATab)
{
    const AppState state = makeState(kEuroTable, {{.type = "Taxi", .amount = 4.5, .year = 2009, .month = 12},
                                                  {.type = "Hotel", .amount = 80, .income = true}});
    const MonthTable table =
        filledTable(state, OverviewView::PaymentMethods, kConverted, kExpensesMinusIncome);
    EXPECT_EQ(monthTableText(table), u"Paym. method\tTotal\t12-2009\t1-2010\t\r\n"
                                     u"Cash\t-75.50\t4.50\t-80.00\t\r\n"
                                     u"\t\t\t\t\r\n"
                                     u"Total\t-75.50\t4.50\t-80.00\t\r\n");
}

TEST(OverviewChoices, OfferTheConvertedViewEveryCurrencyAndThreeModes)
{
    CurrencyArray currencies;
    buildCurrencyTable(currencies, kEuroTable);
    EXPECT_EQ(currencyChoiceItems(currencies),
              (QStringList{u"Converted to EUR"_qs, u"EUR"_qs, u"US$"_qs, u"GBP"_qs}));
    EXPECT_EQ(currencyChoiceItems(CurrencyArray()), QStringList{u"Converted to "_qs});
    EXPECT_EQ(modeChoiceItems(),
              (QStringList{u"Expenses - Income"_qs, u"Expenses only"_qs, u"Income only"_qs}));
    EXPECT_EQ(viewMenuText(OverviewView::IntendedSources), u"Int. sources / month");
}

} // namespace
} // namespace tallyfox
