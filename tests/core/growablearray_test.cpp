// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/growablearray.h"

#include <gtest/gtest.h>
#include <thread>
#include <utility>

namespace tallyfox {
namespace {

Expense namedEntry(const QString& type, double amount = 1.0)
{
    Expense entry;
    entry.type = type;
    entry.amount = amount;
    return entry;
}

QStringList typesOf(const ExpenseArray& entries)
{
    QStringList types;
    for (const Expense& entry : entries)
        types << entry.type;
    return types;
}

TEST(GrowableArray, AppendingAfterADroppedLastEntryReusesItsSlot)
{
    ExpenseArray entries;
    entries.append(namedEntry(QStringLiteral("Food")));
    Expense& blank = entries.append();
    blank.type = QStringLiteral("Unknown");
    blank.note = QStringLiteral("left over");
    blank.hasReceipt = true;
    entries.dropLast();
    ASSERT_EQ(entries.count(), 1);
    ASSERT_EQ(entries.slotCount(), 2);

    // The bare slot still holds the dropped values: whoever appends sets every field.
    Expense& reused = entries.append();
    EXPECT_EQ(&reused, &entries[1]);
    EXPECT_EQ(reused.note, u"left over");
    EXPECT_TRUE(reused.hasReceipt);

    entries.dropLast();
    entries.append(namedEntry(QStringLiteral("Taxi"), 12.5));
    EXPECT_EQ(entries.count(), 2);
    EXPECT_EQ(entries.slotCount(), 2);
    EXPECT_EQ(entries[1], namedEntry(QStringLiteral("Taxi"), 12.5));
}

TEST(GrowableArray, AppendAfterADroppedBlankLineGivesExactlyOneMoreValidEntry)
{
    ExpenseArray entries;
    for (int i = 0; i < 3; ++i)
        entries.append(namedEntry(QString::number(i)));
    entries.append(namedEntry(QStringLiteral("Unknown"), 0.0));
    entries.dropLast();

    entries.append(namedEntry(QStringLiteral("new")));
    EXPECT_EQ(entries.count(), 4);
    EXPECT_EQ(typesOf(entries), (QStringList{"0", "1", "2", "new"}));

    entries.append(namedEntry(QStringLiteral("newer")));
    EXPECT_EQ(entries.count(), 5);
    EXPECT_EQ(entries.slotCount(), 5);
    EXPECT_EQ(entries[4].type, u"newer");
}

TEST(GrowableArray, NewlyGrownSlotsAreBlank)
{
    ExpenseArray entries;
    entries.reserve(4);
    EXPECT_EQ(entries.slotCount(), 0);
    EXPECT_EQ(entries.append(), Expense());
    EXPECT_EQ(entries.count(), 1);
}

TEST(GrowableArray, RemoveAtMovesLaterEntriesDownAndShrinks)
{
    ExpenseArray entries;
    for (const char16_t* type : {u"a", u"b", u"c", u"d", u"spare"})
        entries.append(namedEntry(QString::fromUtf16(type)));
    entries.dropLast();

    entries.removeAt(1);
    EXPECT_EQ(typesOf(entries), (QStringList{"a", "c", "d"}));
    EXPECT_EQ(entries.slotCount(), 3);

    entries.removeAt(2);
    EXPECT_EQ(typesOf(entries), (QStringList{"a", "c"}));
    entries.removeAt(0);
    EXPECT_EQ(typesOf(entries), (QStringList{"c"}));
    entries.removeAt(0);
    EXPECT_TRUE(entries.isEmpty());
    EXPECT_EQ(entries.slotCount(), 0);
}

TEST(GrowableArray, ClearForgetsEveryEntry)
{
    ExpenseArray entries;
    entries.append(namedEntry(QStringLiteral("a")));
    entries.append(namedEntry(QStringLiteral("b")));
    entries.clear();
    EXPECT_TRUE(entries.isEmpty());
    EXPECT_EQ(entries.begin(), entries.end());

    entries.append(namedEntry(QStringLiteral("c")));
    EXPECT_EQ(typesOf(entries), (QStringList{"c"}));
}

TEST(GrowableArray, MisusedRemovalsLeaveTheArrayAlone)
{
    ExpenseArray entries;
    entries.dropLast();
    EXPECT_EQ(entries.count(), 0);
    entries.append(namedEntry(QStringLiteral("a")));
    entries.removeAt(-1);
    entries.removeAt(1);
    EXPECT_EQ(typesOf(entries), (QStringList{"a"}));
}

TEST(GrowableArray, SwapExchangesEntriesAndCounts)
{
    ExpenseArray first;
    first.append(namedEntry(QStringLiteral("a")));
    first.append(namedEntry(QStringLiteral("spare")));
    first.dropLast();
    ExpenseArray second;
    second.swap(first);
    EXPECT_TRUE(first.isEmpty());
    EXPECT_EQ(typesOf(second), (QStringList{"a"}));
    EXPECT_EQ(second.slotCount(), 2);

    CurrencyArray currencies;
    currencies.append({QStringLiteral("EUR"), 1.0});
    EXPECT_EQ(currencies[0].name, u"EUR");
}

// A copy shares the records until one side changes; a copy read on another thread sees what it was
// given whatever the original does meanwhile.
TEST(GrowableArray, ACopyKeepsWhatItWasGivenWhileTheOriginalChanges)
{
    ExpenseArray original;
    for (int i = 0; i < 1000; ++i)
        original.append(namedEntry(QString::number(i)));
    const ExpenseArray copy = original;
    EXPECT_TRUE(original.isShared());
    EXPECT_EQ(&copy[0], &std::as_const(original)[0]);

    QStringList seen;
    std::thread reader([&copy, &seen] { seen = typesOf(copy); });
    original[0].type = QStringLiteral("changed");
    original.removeAt(1);
    original.append(namedEntry(QStringLiteral("added")));
    reader.join();

    EXPECT_EQ(seen.size(), 1000);
    EXPECT_EQ(seen.first(), u"0");
    EXPECT_EQ(seen[1], u"1");
    EXPECT_EQ(copy[0].type, u"0");
    EXPECT_EQ(original[0].type, u"changed");
    EXPECT_EQ(original[1].type, u"2");
    EXPECT_EQ(original.count(), 1000);
    EXPECT_FALSE(original.isShared());
}

} // namespace
} // namespace tallyfox
