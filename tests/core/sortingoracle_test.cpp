// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The fast entry sort against the plain procedure, on many random arrays full of ties, case variants
// and receipts whose numbers agree while their texts differ.
#include "core/sorting.h"
#include "sortoracle.h"
#include "support/testenvironment.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace tallyfox {
namespace {

class RandomEntries
{
public:
    explicit RandomEntries(unsigned seed) : m_random(seed) {}

    // count valid entries, followed by spare slots that a sort must never touch.
    ExpenseArray make(int count, int spareSlots)
    {
        ExpenseArray entries;
        for (int i = 0; i < count + spareSlots; ++i)
            entries.append(entry(i < count ? QString::number(i) : QStringLiteral("spare %1").arg(i)));
        for (int i = 0; i < spareSlots; ++i)
            entries.dropLast();
        return entries;
    }

    int below(int limit) { return static_cast<int>(m_random() % static_cast<unsigned>(limit)); }

private:
    template <size_t N> QString pick(const char16_t* const (&pool)[N])
    {
        return QString::fromUtf16(pool[below(static_cast<int>(N))]);
    }

    Expense entry(const QString& note)
    {
        static const char16_t* const kTexts[] = {u"Food",  u"food",   u"FOOD",   u"Fuel", u"Äpfel",  u"apfel",
                                                 u"Apfel", u"",       u"Taxi",   u"taxi", u"Hotel ", u"hotel",
                                                 u"Zoo",   u"éclair", u"Eclair", u"10",   u"9",      u"A1",
                                                 u"a1",    u"Ö",      u"o",      u"z z"};
        static const char16_t* const kCurrencies[] = {u"EUR", u"eur", u"Eur", u"US$", u"us$",
                                                      u"GBP", u"",    u"CHF", u"¥"};
        static const char16_t* const kReceipts[] = {u"",   u"1",  u"9",  u"10", u"0042", u"42", u"042",
                                                    u"A1", u"a1", u"a",  u"B",  u"1.5",  u"-3", u"1e3",
                                                    u"x9", u"9x", u"é1", u"E1", u"1,0",  u"01"};
        static const double kAmounts[] = {0.0, 0.01, 7.5, 10.0, 10.0, 50.0, 500.0, 1e6};

        Expense entry;
        entry.type = pick(kTexts);
        entry.currency = pick(kCurrencies);
        entry.intendedSource = pick(kTexts);
        entry.paidWith = pick(kTexts);
        entry.note = note;
        entry.receipt = pick(kReceipts);
        entry.income = below(3) == 0;
        entry.justChanged = below(5) == 0;
        entry.hasReceipt = below(2) == 0;
        entry.date = 733775.0 + below(6) + (below(8) == 0 ? 0.5 : 0.0);
        entry.amount = kAmounts[below(std::size(kAmounts))];
        return entry;
    }

    std::mt19937 m_random;
};

std::vector<std::string> notesIn(const ExpenseArray& entries, int slots)
{
    std::vector<std::string> notes;
    for (int i = 0; i < slots; ++i)
        notes.push_back(entries[i].note.toStdString());
    return notes;
}

void expectSameRecords(const ExpenseArray& actual, const ExpenseArray& expected)
{
    ASSERT_EQ(actual.count(), expected.count());
    ASSERT_EQ(actual.slotCount(), expected.slotCount());
    EXPECT_EQ(notesIn(actual, actual.slotCount()), notesIn(expected, expected.slotCount()));
    for (int i = 0; i < actual.slotCount(); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "slot " << i;
}

class SortAgainstOracle : public testing::TestWithParam<std::tuple<int, bool>>
{
protected:
    SortOrder order() const { return {kSortKeys[size_t(std::get<0>(GetParam()))], std::get<1>(GetParam())}; }
    const UserLocale locale{test::pinnedLocale()};
};

TEST_P(SortAgainstOracle, GivesTheSameOrderOnRandomArrays)
{
    RandomEntries random(4711u +
                         static_cast<unsigned>(std::get<0>(GetParam()) * 2 + std::get<1>(GetParam())));
    for (int round = 0; round < 300; ++round) {
        const int count = round < 4 ? round : 2 + random.below(round < 240 ? 30 : 150);
        const int spareSlots = random.below(2);
        SCOPED_TRACE(testing::Message() << "round " << round << ", " << count << " entries");

        const ExpenseArray original = random.make(count, spareSlots);
        ExpenseArray expected = original;
        test::oracleSort(expected, expected.count(), order(), locale);
        ExpenseArray actual = original;
        sortEntries(actual, actual.count(), order(), locale);
        expectSameRecords(actual, expected);
        if (HasFatalFailure())
            return;

        // Once more on the sorted array: entries that are neither equal nor ordered (receipts "A1" and
        // "a1", zero amounts of an income and an expense) may still move, the same way in both.
        test::oracleSort(expected, expected.count(), order(), locale);
        sortEntries(actual, actual.count(), order(), locale);
        expectSameRecords(actual, expected);
    }
}

TEST_P(SortAgainstOracle, SortsOnlyTheFirstCountEntries)
{
    RandomEntries random(90210u + static_cast<unsigned>(std::get<0>(GetParam())));
    for (int round = 0; round < 40; ++round) {
        const ExpenseArray original = random.make(2 + random.below(40), 1);
        const int count = random.below(original.count() + 3);
        SCOPED_TRACE(testing::Message()
                     << "round " << round << ", sorting " << count << " of " << original.count());

        ExpenseArray expected = original;
        test::oracleSort(expected, std::min(count, expected.count()), order(), locale);
        ExpenseArray actual = original;
        sortEntries(actual, count, order(), locale);
        expectSameRecords(actual, expected);
    }
}

TEST(SortReversal, ReversingTwiceReturnsToTheSameOrderForConsistentKeys)
{
    // Receipts that differ only in case, and zero amounts of an income and an expense, are neither
    // equal nor ordered, so only the other keys promise this.
    const UserLocale locale(test::pinnedLocale());
    RandomEntries random(31337u);
    for (SortKey key :
         {SortKey::Name, SortKey::Date, SortKey::Amount, SortKey::PaidWith, SortKey::IntendedSource}) {
        for (int round = 0; round < 30; ++round) {
            SCOPED_TRACE(testing::Message() << "key " << sortKeyNumber(key) << ", round " << round);
            ExpenseArray entries = random.make(random.below(60), 0);
            for (Expense& entry : entries)
                entry.amount = entry.amount == 0.0 ? 1.0 : entry.amount;
            sortEntries(entries, entries.count(), {key, false}, locale);
            const ExpenseArray first = entries;
            sortEntries(entries, entries.count(), {key, true}, locale);
            sortEntries(entries, entries.count(), {key, true}, locale);
            sortEntries(entries, entries.count(), {key, false}, locale);
            expectSameRecords(entries, first);
        }
    }
}

std::string sortName(const testing::TestParamInfo<std::tuple<int, bool>>& info)
{
    static const char* const kKeys[] = {"Name", "Date", "Amount", "Receipt", "PaidWith", "IntendedSource"};
    return std::string(kKeys[std::get<0>(info.param)]) + (std::get<1>(info.param) ? "Reversed" : "");
}

INSTANTIATE_TEST_SUITE_P(EveryKey, SortAgainstOracle,
                         testing::Combine(testing::Range(0, kSortKeyCount), testing::Bool()), sortName);

} // namespace
} // namespace tallyfox
