// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/overviewreport.h"
#include "moneyfixtures.h"
#include "platform/clock.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::EntryFields;
using test::kEuroTable;
using test::makeState;

const Clock kThirdOfJanuary(QDateTime(QDate(2010, 1, 3), QTime(12, 30, 45)));

QString crlfLines(std::initializer_list<const char*> lines)
{
    QString text;
    for (const char* line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

// The lines from the heading that starts with title up to the empty line after it.
QStringList sectionLines(const QString& report, const QString& title)
{
    const QStringList lines = report.split(u"\r\n"_qs);
    const qsizetype start = lines.indexOf(title);
    if (start < 0)
        return {};
    const qsizetype end = lines.indexOf(QString(), start);
    return lines.mid(start + 1, end - start - 1);
}

TEST(OverviewReport, WritesEverySectionPerCurrencyAndConverted)
{
    const AppState state = makeState(
        kEuroTable, {
                        {.type = "Salary", .amount = 100, .income = true, .day = 2, .paidWith = "Bank"},
                        {.type = "Dinner", .amount = 35.5, .year = 2009, .month = 12, .day = 15},
                        {.type = "Taxi",
                         .currency = "US$",
                         .amount = 14.4,
                         .year = 2009,
                         .month = 11,
                         .source = "Client"},
                    });
    EXPECT_EQ(buildOverviewText(state, kThirdOfJanuary),
              crlfLines({"Filename:",
                         "/home/ann/.local/share/tallyfox/TallyfoxData.tfx",
                         "",
                         "Values are shown as:",
                         "Income - Expenses = Balance",
                         "",
                         "Grand totals (3)",
                         "EUR: 100.00 - 35.50 = 64.50",
                         "US$: 0.00 - 14.40 = -14.40",
                         "In EUR: 100.00 - 45.50 = 54.50",
                         "",
                         "This month (1)",
                         "EUR: 100.00 - 0.00 = 100.00",
                         "",
                         "Last month (1)",
                         "EUR: 0.00 - 35.50 = -35.50",
                         "",
                         "Per type:",
                         "Salary (1)",
                         "EUR: 100.00 - 0.00 = 100.00",
                         "",
                         "Dinner (1)",
                         "EUR: 0.00 - 35.50 = -35.50",
                         "",
                         "Taxi (1)",
                         "US$: 0.00 - 14.40 = -14.40",
                         "In EUR: 0.00 - 10.00 = -10.00",
                         "",
                         "Per intended source:",
                         "Employer (2)",
                         "EUR: 100.00 - 35.50 = 64.50",
                         "",
                         "Client (1)",
                         "US$: 0.00 - 14.40 = -14.40",
                         "In EUR: 0.00 - 10.00 = -10.00",
                         "",
                         "Per payment method:",
                         "Bank (1)",
                         "EUR: 100.00 - 0.00 = 100.00",
                         "",
                         "Cash (2)",
                         "EUR: 0.00 - 35.50 = -35.50",
                         "US$: 0.00 - 14.40 = -14.40",
                         "In EUR: 0.00 - 45.50 = -45.50",
                         ""}));
}

TEST(OverviewReport, WithoutEntriesHasEmptySectionsAndBareHeadings)
{
    const AppState state = makeState(kEuroTable, {});
    EXPECT_EQ(buildOverviewText(state, kThirdOfJanuary),
              crlfLines({"Filename:", "/home/ann/.local/share/tallyfox/TallyfoxData.tfx", "",
                         "Values are shown as:", "Income - Expenses = Balance", "", "Grand totals (0)", "",
                         "This month (0)", "", "Last month (0)", "",
                         "Per type:", "Per intended source:", "Per payment method:"}));
}

struct ConvertedCase
{
    const char* name;
    std::vector<EntryFields> entries;
    QStringList grandTotals;
};

// Whether the converted line and the warning appear depends on which currencies the table knows.
TEST(OverviewReport, WritesTheConvertedLineOnlyForOtherKnownCurrencies)
{
    const QStringList table = kEuroTable + QStringList{u"ZER=0"_qs, u"NEG=-1,5"_qs};
    const ConvertedCase cases[] = {
        {"primary only", {{.amount = 5}, {.amount = 2, .income = true}}, {u"EUR: 2.00 - 5.00 = -3.00"_qs}},
        {"primary and missing",
         {{.amount = 5}, {.currency = "XYZ", .amount = 7}},
         {u"EUR: 0.00 - 5.00 = -5.00"_qs, u"XYZ: 0.00 - 7.00 = -7.00"_qs}},
        {"found and missing",
         {{.currency = "XYZ", .amount = 7}, {.currency = "US$", .amount = 14.4}},
         {u"XYZ: 0.00 - 7.00 = -7.00"_qs, u"US$: 0.00 - 14.40 = -14.40"_qs,
          u"In EUR: 0.00 - 10.00 = -10.00"_qs, u"(Not all currencies found in list!)"_qs}},
        {"a trailing blank makes its own group, converted alike",
         {{.currency = "US$", .amount = 1.44}, {.currency = "US$ ", .amount = 2.88, .income = true}},
         {u"US$: 0.00 - 1.44 = -1.44"_qs, u"US$ : 2.88 - 0.00 = 2.88"_qs, u"In EUR: 2.00 - 1.00 = 1.00"_qs}},
        {"unusable rates count as missing",
         {{.currency = "ZER", .amount = 3},
          {.currency = "GBP", .amount = 0.89},
          {.currency = "NEG", .amount = 4}},
         {u"ZER: 0.00 - 3.00 = -3.00"_qs, u"GBP: 0.00 - 0.89 = -0.89"_qs, u"NEG: 0.00 - 4.00 = -4.00"_qs,
          u"In EUR: 0.00 - 1.00 = -1.00"_qs, u"(Not all currencies found in list!)"_qs}},
        {"only unusable rates", {{.currency = "ZER", .amount = 3}}, {u"ZER: 0.00 - 3.00 = -3.00"_qs}},
    };
    for (const ConvertedCase& c : cases) {
        SCOPED_TRACE(c.name);
        AppState state = makeState(table, {});
        for (const EntryFields& fields : c.entries)
            state.entries.append(test::makeEntry(fields));
        const QString report = buildOverviewText(state, kThirdOfJanuary);
        EXPECT_EQ(sectionLines(report, u"Grand totals (%1)"_qs.arg(c.entries.size())), c.grandTotals);
        EXPECT_FALSE(report.contains(u"inf"_qs) || report.contains(u"nan"_qs));
    }
}

TEST(OverviewReport, TotalsAreIncomeMinusExpensesWhateverTheSignSetting)
{
    AppState state = makeState(kEuroTable, {{.amount = 5}, {.amount = 2, .income = true}});
    const QString report = buildOverviewText(state, kThirdOfJanuary);
    state.settings.incomeIsPositive = !state.settings.incomeIsPositive;
    EXPECT_EQ(buildOverviewText(state, kThirdOfJanuary), report);
}

TEST(OverviewReport, GroupsEachSectionByTextsInTheOrderTheyFirstAppear)
{
    const AppState state = makeState(kEuroTable, {
                                                     {.type = "Taxi", .currency = "US$", .amount = 1},
                                                     {.type = "", .amount = 2},
                                                     {.type = "taxi", .amount = 3},
                                                     {.type = "Taxi", .amount = 4},
                                                 });
    const QString report = buildOverviewText(state, kThirdOfJanuary);
    EXPECT_EQ(sectionLines(report, u"Taxi (2)"_qs),
              (QStringList{u"US$: 0.00 - 1.00 = -1.00"_qs, u"EUR: 0.00 - 4.00 = -4.00"_qs,
                           u"In EUR: 0.00 - 4.69 = -4.69"_qs}));
    EXPECT_EQ(sectionLines(report, u" (1)"_qs), QStringList{u"EUR: 0.00 - 2.00 = -2.00"_qs});
    EXPECT_EQ(sectionLines(report, u"taxi (1)"_qs), QStringList{u"EUR: 0.00 - 3.00 = -3.00"_qs});
    EXPECT_LT(report.indexOf(u"Taxi (2)"), report.indexOf(u"\r\n (1)"));
    EXPECT_LT(report.indexOf(u"\r\n (1)"), report.indexOf(u"taxi (1)"));
}

// A file with a currency per entry must still list every group, in order, with its own totals.
TEST(OverviewReport, KeepsManyCurrencyGroupsApartInOrder)
{
    AppState state = makeState(kEuroTable, {});
    QStringList expected;
    for (int i = 0; i < 40; ++i) {
        const QByteArray name = "C" + QByteArray::number(i);
        state.entries.append(test::makeEntry({.currency = name.constData(), .amount = double(i)}));
        state.entries.append(test::makeEntry({.currency = name.constData(), .amount = 1, .income = true}));
        expected.append(u"C%1: 1.00 - %2.00 = %3.00"_qs.arg(i).arg(i).arg(1 - i));
    }
    EXPECT_EQ(sectionLines(buildOverviewText(state, kThirdOfJanuary), u"Grand totals (80)"_qs), expected);
}

struct BoundsCase
{
    QDate today;
    QDate lastMonth;
    QDate thisMonth;
    QDate nextMonth;
};

TEST(OverviewMonths, BoundsAreTheStartsOfLastThisAndNextMonth)
{
    const BoundsCase cases[] = {
        {{2010, 1, 3}, {2009, 12, 1}, {2010, 1, 1}, {2010, 2, 1}},
        {{2009, 12, 31}, {2009, 11, 1}, {2009, 12, 1}, {2010, 1, 1}},
        {{2008, 3, 1}, {2008, 2, 1}, {2008, 3, 1}, {2008, 4, 1}},
        {{2009, 3, 15}, {2009, 2, 1}, {2009, 3, 1}, {2009, 4, 1}},
        {{1, 1, 1}, {0, 0, 0}, {1, 1, 1}, {1, 2, 1}},
    };
    for (const BoundsCase& c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        const MonthBounds bounds = monthBoundsOf(c.today);
        if (c.lastMonth.isValid())
            EXPECT_EQ(bounds.lastMonthStart, dayCountFromQDate(c.lastMonth));
        else
            EXPECT_EQ(bounds.lastMonthStart, 1.0 - 31);
        EXPECT_EQ(bounds.thisMonthStart, dayCountFromQDate(c.thisMonth));
        EXPECT_EQ(bounds.nextMonthStart, dayCountFromQDate(c.nextMonth));
    }
    const MonthBounds lastOfAll = monthBoundsOf(QDate(9999, 12, 31));
    EXPECT_EQ(lastOfAll.nextMonthStart, kLastDayCount + 1.0);
}

TEST(OverviewMonths, AnEntryCountsInTheMonthItsDateAndTimeFallIn)
{
    AppState state = makeState(kEuroTable, {});
    const auto addAt = [&](double date, double amount) {
        Expense& entry = state.entries.append();
        entry = test::makeEntry({.amount = amount});
        entry.date = date;
    };
    const double january = dayCountFromDate(2010, 1, 1);
    addAt(january, 1);                               // this month, at 00:00 of its first day
    addAt(january - 0.0001, 2);                      // last month, just before midnight
    addAt(dayCountFromDate(2009, 12, 1), 4);         // last month, its first day
    addAt(dayCountFromDate(2009, 12, 1) - 0.5, 8);   // November
    addAt(dayCountFromDate(2010, 2, 1), 16);         // next month
    addAt(dayCountFromDate(2010, 1, 31) + 0.99, 32); // this month, its last evening
    addAt(0.0, 64);                                  // no calendar day
    const QString report = buildOverviewText(state, kThirdOfJanuary);
    EXPECT_EQ(sectionLines(report, u"This month (2)"_qs), QStringList{u"EUR: 0.00 - 33.00 = -33.00"_qs});
    EXPECT_EQ(sectionLines(report, u"Last month (2)"_qs), QStringList{u"EUR: 0.00 - 6.00 = -6.00"_qs});
    EXPECT_EQ(sectionLines(report, u"Grand totals (7)"_qs), QStringList{u"EUR: 0.00 - 127.00 = -127.00"_qs});
}

TEST(OverviewMonths, InJanuaryLastMonthIsDecemberOfTheYearBefore)
{
    const AppState state = makeState(kEuroTable, {{.amount = 1, .year = 2009, .month = 12, .day = 31},
                                                  {.amount = 2, .year = 2008, .month = 12, .day = 31},
                                                  {.amount = 4, .year = 2010, .month = 1, .day = 31}});
    const QString report = buildOverviewText(state, Clock(QDateTime(QDate(2010, 1, 31), QTime(23, 59))));
    EXPECT_EQ(sectionLines(report, u"Last month (1)"_qs), QStringList{u"EUR: 0.00 - 1.00 = -1.00"_qs});
    EXPECT_EQ(sectionLines(report, u"This month (1)"_qs), QStringList{u"EUR: 0.00 - 4.00 = -4.00"_qs});
}

// A file read in parts is summed part by part and joined: cut anywhere, the report is that of one pass,
// with sections and currencies in the order they first appear, including those of the later part only.
TEST(OverviewReport, PartsJoinedGiveTheReportOfOnePass)
{
    const AppState state = makeState(
        kEuroTable,
        {
            {.type = "Salary", .amount = 100, .income = true, .day = 2, .paidWith = "Bank"},
            {.type = "Dinner", .amount = 35.5, .year = 2009, .month = 12, .day = 15},
            {.type = "Taxi", .currency = "US$", .amount = 14.4, .month = 11, .source = "Client"},
            {.type = "Dinner", .currency = "SEK", .amount = 20, .day = 3, .paidWith = "Card"},
            {.type = "Salary", .currency = "US$", .amount = 7, .income = true, .year = 2009, .month = 12},
            {.type = "Hotel", .currency = "XYZ", .amount = 1, .source = "Client"},
        });
    const QString whole = buildOverviewText(state, kThirdOfJanuary);
    const Expense* entries = state.entries.begin();
    const auto count = static_cast<size_t>(state.entryCount());
    for (size_t cut = 0; cut <= count; ++cut) {
        OverviewSums sums(monthBoundsOf(kThirdOfJanuary.today()));
        sums.nextPart().take(std::span<const Expense>(entries, cut));
        sums.nextPart().take(std::span<const Expense>(entries + cut, count - cut));
        EXPECT_EQ(overviewText(state, sums), whole) << cut;
    }
}

} // namespace
} // namespace tallyfox
