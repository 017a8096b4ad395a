// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "sessionfixture.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;

constexpr SortKey kName = SortKey::Name;
constexpr SortKey kDate = SortKey::Date;

class SortCommands : public test::SessionTest
{
protected:
    SortCommands()
    {
        // Names and dates run in different orders.
        addEntries({{.type = "Bus", .date = QDate(2010, 1, 3)},
                    {.type = "Car", .date = QDate(2010, 1, 1)},
                    {.type = "Air", .date = QDate(2010, 1, 2)}});
    }
};

TEST_F(SortCommands, ChoosingTheSameKeyAgainReversesAnotherKeySortsForwards)
{
    session.chooseSortKey(kDate);
    EXPECT_EQ(types(), QStringList({"Car", "Air", "Bus"}));
    EXPECT_FALSE(state.settings.sortReverse);
    // Choosing a key sorts once; it does not switch sorting on.
    EXPECT_FALSE(state.settings.autoSort);
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));

    session.chooseSortKey(kDate);
    EXPECT_EQ(types(), QStringList({"Bus", "Air", "Car"}));
    EXPECT_TRUE(state.settings.sortReverse);
    EXPECT_EQ(state.settings.sortKey, kDate);

    session.chooseSortKey(kName);
    EXPECT_EQ(types(), QStringList({"Air", "Bus", "Car"}));
    EXPECT_FALSE(state.settings.sortReverse);
    EXPECT_EQ(state.settings.sortKey, kName);
}

TEST_F(SortCommands, ReverseTogglesAndSortsAtOnce)
{
    session.toggleReverse();
    EXPECT_TRUE(state.settings.sortReverse);
    EXPECT_EQ(types(), QStringList({"Car", "Bus", "Air"}));
    session.toggleReverse();
    EXPECT_FALSE(state.settings.sortReverse);
    EXPECT_EQ(types(), QStringList({"Air", "Bus", "Car"}));
}

TEST_F(SortCommands, AutoSortSortsAtOnceOnlyWhenSwitchedOn)
{
    state.settings.sortKey = kDate;
    session.toggleAutoSort();
    EXPECT_TRUE(state.settings.autoSort);
    EXPECT_EQ(types(), QStringList({"Car", "Air", "Bus"}));

    // While on, a new entry finds its place.
    session.storeEntry(test::makeDraft({.type = "Ship", .date = QDate(2009, 12, 31)}));
    EXPECT_EQ(types(), QStringList({"Ship", "Car", "Air", "Bus"}));

    // Switching it off keeps the order; new entries then go to the end.
    state.entries[0].date = dayCountFromDate(2011, 1, 1);
    session.toggleAutoSort();
    EXPECT_FALSE(state.settings.autoSort);
    EXPECT_EQ(types(), QStringList({"Ship", "Car", "Air", "Bus"}));
    session.storeEntry(test::makeDraft({.type = "Taxi", .date = QDate(2000, 1, 1)}));
    EXPECT_EQ(types(), QStringList({"Ship", "Car", "Air", "Bus", "Taxi"}));
}

TEST_F(SortCommands, TheRefreshReturnsTheRowsOfChangedEntriesAfterSorting)
{
    std::vector<int> rows;
    session.setRefreshHandler([this, &rows](bool forceSort) { rows = session.refreshEntries(forceSort); });
    state.settings.autoSort = true;
    state.settings.sortKey = kName;

    session.storeEntry(test::makeDraft({.type = "Boat"}));
    EXPECT_EQ(types(), QStringList({"Air", "Boat", "Bus", "Car"}));
    EXPECT_EQ(rows, std::vector<int>({1}));
    for (const Expense& entry : state.entries)
        EXPECT_FALSE(entry.justChanged);

    // An edit that moves the entry reports its new row.
    session.storeEntry(test::makeDraft({.type = "Dog"}), 1);
    EXPECT_EQ(types(), QStringList({"Air", "Bus", "Car", "Dog"}));
    EXPECT_EQ(rows, std::vector<int>({3}));

    session.refreshList(false);
    EXPECT_TRUE(rows.empty());
}

TEST_F(SortCommands, ARunThatOnlyAddsOneEntryBuildsNoRow)
{
    state.quickEntryOnly = true;
    state.settings.autoSort = true;
    std::vector<int> rows = {-1};
    session.setRefreshHandler([this, &rows](bool forceSort) { rows = session.refreshEntries(forceSort); });
    session.storeEntry(test::makeDraft({.type = "Boat"}));
    EXPECT_TRUE(rows.empty());
    // The entry is stored all the same.
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
    EXPECT_EQ(state.entryCount(), 4);
}

TEST_F(SortCommands, EqualEntriesKeepTheirOrderBothWays)
{
    state.entries[0].type = QStringLiteral("Same");
    state.entries[2].type = QStringLiteral("same");
    state.settings.sortKey = kDate;
    session.chooseSortKey(kName);
    EXPECT_EQ(types(), QStringList({"Car", "Same", "same"}));
    session.chooseSortKey(kName);
    EXPECT_EQ(types(), QStringList({"Same", "same", "Car"}));
}

} // namespace
} // namespace tallyfox
