// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/sorting.h"
#include "sortoracle.h"
#include "support/testenvironment.h"

#include <gtest/gtest.h>
#include <iterator>
#include <limits>

namespace tallyfox {
namespace {

constexpr SortKey kByName = SortKey::Name;
constexpr SortKey kByDate = SortKey::Date;
constexpr SortKey kByAmount = SortKey::Amount;
constexpr SortKey kByReceipt = SortKey::Receipt;

// Each entry's Note names it, so an order reads as a list of notes.
QStringList notesOf(const ExpenseArray& entries)
{
    QStringList notes;
    for (const Expense& entry : entries)
        notes << entry.note;
    return notes;
}

class SortingCases : public testing::Test
{
protected:
    Expense& add(const QString& note)
    {
        Expense& entry = entries.append();
        entry = Expense();
        entry.note = note;
        return entry;
    }
    void addNamed(const QString& note, const QString& type) { add(note).type = type; }
    void addAmount(const QString& note, const QString& currency, double amount, bool income)
    {
        Expense& entry = add(note);
        entry.currency = currency;
        entry.amount = amount;
        entry.income = income;
    }
    void addReceipt(const QString& note, const QString& receipt, bool hasReceipt)
    {
        Expense& entry = add(note);
        entry.receipt = receipt;
        entry.hasReceipt = hasReceipt;
    }

    // Sorts with the fast sort, checks that the plain procedure agrees, and returns the order.
    QStringList sorted(SortKey key, bool reverse = false)
    {
        const SortOrder order{key, reverse};
        ExpenseArray expected = entries;
        test::oracleSort(expected, expected.count(), order, locale);
        sortEntries(entries, entries.count(), order, locale);
        EXPECT_EQ(notesOf(entries), notesOf(expected));
        return notesOf(entries);
    }

    const UserLocale locale{test::pinnedLocale()};
    ExpenseArray entries;
};

TEST_F(SortingCases, EmptyAndSingleEntryArraysStayAsTheyAre)
{
    EXPECT_TRUE(sorted(kByName).isEmpty());
    addNamed("only", "Zoo");
    addNamed("spare", "Apple");
    entries.dropLast();
    for (SortKey key : kSortKeys)
        EXPECT_EQ(sorted(key, sortKeyNumber(key) % 2 == 1), QStringList{"only"});
    EXPECT_EQ(entries[1].note, u"spare");
}

TEST_F(SortingCases, CurrenciesThatDifferOnlyInCaseInterleaveBySignedAmount)
{
    addAmount("EUR 30", "EUR", 30, false);
    addAmount("US$ 5", "US$", 5, false);
    addAmount("eur 10", "eur", 10, false);
    addAmount("EUR income 20", "EUR", 20, true);
    addAmount("eur 40", "eur", 40, false);
    addAmount("US$ income 1", "US$", 1, true);
    EXPECT_EQ(sorted(kByAmount),
              (QStringList{"EUR income 20", "eur 10", "EUR 30", "eur 40", "US$ income 1", "US$ 5"}));
}

TEST_F(SortingCases, LargerIncomesComeFirstThenExpensesFromTheSmallest)
{
    addAmount("expense 10", "EUR", 10, false);
    addAmount("income 50", "EUR", 50, true);
    addAmount("expense 0", "EUR", 0, false);
    addAmount("income 500", "EUR", 500, true);
    EXPECT_EQ(sorted(kByAmount), (QStringList{"income 500", "income 50", "expense 0", "expense 10"}));
    EXPECT_EQ(sorted(kByAmount, true), (QStringList{"expense 10", "expense 0", "income 50", "income 500"}));
}

TEST_F(SortingCases, ReceiptsSortNumericallyAfterEntriesWithoutOne)
{
    addReceipt("10", "10", true);
    addReceipt("none 5", "5", false);
    addReceipt("9", "9", true);
    addReceipt("none", "", false);
    addReceipt("42", "42", true);
    addReceipt("0042", "0042", true);
    EXPECT_EQ(sorted(kByReceipt), (QStringList{"none", "none 5", "9", "10", "0042", "42"}));
}

TEST_F(SortingCases, ReceiptsThatDifferOnlyInCaseGoAfterThePivotOrBeforeItReversed)
{
    addReceipt("A1", "A1", true);
    addReceipt("a1", "a1", true);
    // With two entries the second is the pivot; the other is neither before it nor equal to it.
    EXPECT_EQ(sorted(kByReceipt), (QStringList{"a1", "A1"}));
    EXPECT_EQ(sorted(kByReceipt), (QStringList{"A1", "a1"}));
    EXPECT_EQ(sorted(kByReceipt, true), (QStringList{"A1", "a1"}));
    entries.clear();
    addReceipt("a1", "a1", true);
    addReceipt("A1", "A1", true);
    EXPECT_EQ(sorted(kByReceipt, true), (QStringList{"a1", "A1"}));
}

TEST_F(SortingCases, ChoosingDateTwiceThenNameGivesAscendingDescendingThenByName)
{
    const struct
    {
        const char* note;
        const char* type;
        double date;
    } rows[] = {{"b 2", "b", 733776}, {"a 3", "a", 733777}, {"c 1", "c", 733775}, {"A 2", "A", 733776}};
    for (const auto& row : rows) {
        Expense& entry = add(row.note);
        entry.type = row.type;
        entry.date = row.date;
    }
    EXPECT_EQ(sorted(kByDate), (QStringList{"c 1", "b 2", "A 2", "a 3"}));
    EXPECT_EQ(sorted(kByDate, true), (QStringList{"a 3", "b 2", "A 2", "c 1"}));
    EXPECT_EQ(sorted(kByName), (QStringList{"a 3", "A 2", "b 2", "c 1"}));
}

TEST_F(SortingCases, ReversingTwiceReturnsToTheFirstOrderAndEqualEntriesKeepTheirOrder)
{
    addNamed("Food 1", "Food");
    addNamed("Taxi 2", "Taxi");
    addNamed("food 3", "food");
    addNamed("Hotel 4", "Hotel");
    addNamed("FOOD 5", "FOOD");
    addNamed("taxi 6", "taxi");
    const QStringList ascending{"Food 1", "food 3", "FOOD 5", "Hotel 4", "Taxi 2", "taxi 6"};
    EXPECT_EQ(sorted(kByName), ascending);
    EXPECT_EQ(sorted(kByName), ascending);
    EXPECT_EQ(sorted(kByName, true),
              (QStringList{"Taxi 2", "taxi 6", "Hotel 4", "Food 1", "food 3", "FOOD 5"}));
    EXPECT_EQ(sorted(kByName, true),
              (QStringList{"Taxi 2", "taxi 6", "Hotel 4", "Food 1", "food 3", "FOOD 5"}));
    EXPECT_EQ(sorted(kByName), ascending);
}

TEST_F(SortingCases, DatesAndAmountsThatAreNotNumbersSortAsThePlainProcedureDoes)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {3, nan, 1, inf, 2, nan, 0, -inf, 2};
    for (int i = 0; i < int(std::size(values)); ++i) {
        Expense& entry = add(QString::number(i));
        entry.date = values[i];
        entry.amount = values[i];
        entry.income = i % 2 == 1;
        entry.currency = QStringLiteral("EUR");
    }
    for (SortKey key : {kByDate, kByAmount}) {
        for (bool reverse : {false, true}) {
            const QStringList once = sorted(key, reverse);
            EXPECT_EQ(once.size(), 9);
        }
    }
}

// Many dates go through a sort of their bits: ties keep their order both ways, -0 is the day 0 is, and
// every kind of number, and then one that is none, sorts as the plain procedure sorts it. So do dates
// that are all one day, and days whose bits differ in 32 places at most, as nearly all do.
TEST_F(SortingCases, ManyDatesOfEveryKindSortAsThePlainProcedureDoes)
{
    for (int i = 0; i < 300; ++i)
        add(QString::number(i)).date = 733775.0;
    for (const double step : {0.0, 1.0, 0.25, 1.0 / 1024})
        for (bool reverse : {false, true}) {
            for (int i = 0; i < 300; ++i)
                entries[i].date = 733775.0 + step * ((i * 37) % 101);
            sorted(kByDate, reverse);
        }
    entries.clear();
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {733775.5, -0.0, 0.0, -1.5, 1e300, -1e-300, inf, -inf, 733775.0, 5e-324, 2.0};
    for (int i = 0; i < 300; ++i)
        add(QString::number(i)).date = values[(i * 7) % std::size(values)];
    for (bool reverse : {false, true})
        sorted(kByDate, reverse);
    entries[150].date = std::numeric_limits<double>::quiet_NaN();
    for (bool reverse : {false, true})
        EXPECT_EQ(sorted(kByDate, reverse).size(), 300);
}

TEST_F(SortingCases, AKeyOutsideTheKnownOnesLeavesTheOrderAlone)
{
    addAmount("b", "US$", 3, false);
    addAmount("c", "EUR", 1, true);
    addAmount("a", "EUR", 2, false);
    const QStringList before = notesOf(entries);
    for (quint16 number : {quint16(6), quint16(7), quint16(1000), quint16(65535)}) {
        for (bool reverse : {false, true}) {
            sortEntries(entries, entries.count(), {static_cast<SortKey>(number), reverse}, locale);
            EXPECT_EQ(notesOf(entries), before) << number;
        }
    }
}

TEST_F(SortingCases, ACountBeyondTheValidEntriesNeverReachesTheSpareSlot)
{
    addNamed("b", "b");
    addNamed("c", "c");
    addNamed("spare", "a");
    entries.dropLast();
    sortEntries(entries, entries.count() + 1, {kByName, false}, locale);
    EXPECT_EQ(notesOf(entries), (QStringList{"b", "c"}));
    EXPECT_EQ(entries[2].note, u"spare");
    sortEntries(entries, -1, {kByName, true}, locale);
    EXPECT_EQ(notesOf(entries), (QStringList{"b", "c"}));
}

} // namespace
} // namespace tallyfox
