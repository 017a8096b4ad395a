#include "core/growablearray.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TExpense namedEntry(const QString& type, double amount = 1.0)
{
    TExpense entry;
    entry.Type = type;
    entry.Amount = amount;
    return entry;
}

QStringList typesOf(const expensearray& entries)
{
    QStringList types;
    for (const TExpense& entry : entries)
        types << entry.Type;
    return types;
}

TEST(GrowableArray, AppendingAfterADroppedLastEntryReusesItsSlot)
{
    expensearray entries;
    entries.append(namedEntry(QStringLiteral("Food")));
    TExpense& blank = entries.append();
    blank.Type = QStringLiteral("Unknown");
    blank.Note = QStringLiteral("left over");
    blank.HasReceipt = true;
    entries.dropLast();
    ASSERT_EQ(entries.count(), 1);
    ASSERT_EQ(entries.slotCount(), 2);

    // The bare slot still holds the dropped values: whoever appends sets every field.
    TExpense& reused = entries.append();
    EXPECT_EQ(&reused, &entries[1]);
    EXPECT_EQ(reused.Note, u"left over");
    EXPECT_TRUE(reused.HasReceipt);

    entries.dropLast();
    entries.append(namedEntry(QStringLiteral("Taxi"), 12.5));
    EXPECT_EQ(entries.count(), 2);
    EXPECT_EQ(entries.slotCount(), 2);
    EXPECT_EQ(entries[1], namedEntry(QStringLiteral("Taxi"), 12.5));
}

TEST(GrowableArray, AppendAfterADroppedBlankLineGivesExactlyOneMoreValidEntry)
{
    expensearray entries;
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
    EXPECT_EQ(entries[4].Type, u"newer");
}

TEST(GrowableArray, NewlyGrownSlotsAreBlank)
{
    expensearray entries;
    entries.reserve(4);
    EXPECT_EQ(entries.slotCount(), 0);
    EXPECT_EQ(entries.append(), TExpense());
    EXPECT_EQ(entries.count(), 1);
}

TEST(GrowableArray, RemoveAtMovesLaterEntriesDownAndShrinks)
{
    expensearray entries;
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
    expensearray entries;
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
    expensearray entries;
    entries.dropLast();
    EXPECT_EQ(entries.count(), 0);
    entries.append(namedEntry(QStringLiteral("a")));
    entries.removeAt(-1);
    entries.removeAt(1);
    EXPECT_EQ(typesOf(entries), (QStringList{"a"}));
}

TEST(GrowableArray, SwapExchangesEntriesAndCounts)
{
    expensearray first;
    first.append(namedEntry(QStringLiteral("a")));
    first.append(namedEntry(QStringLiteral("spare")));
    first.dropLast();
    expensearray second;
    second.swap(first);
    EXPECT_TRUE(first.isEmpty());
    EXPECT_EQ(typesOf(second), (QStringList{"a"}));
    EXPECT_EQ(second.slotCount(), 2);

    currencyarray currencies;
    currencies.append({QStringLiteral("EUR"), 1.0});
    EXPECT_EQ(currencies[0].Name, u"EUR");
}

} // namespace
} // namespace tallyfox
