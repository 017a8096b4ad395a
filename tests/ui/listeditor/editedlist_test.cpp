// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The list editor's rules for its buttons, as a table over the selected row.
#include "ui/listeditor/editedlist.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

struct ButtonCase
{
    bool withRates;
    int rows;
    int selected;
    ListButtons expected;
};

class ListButtonsTest : public ::testing::TestWithParam<ButtonCase>
{};

TEST_P(ListButtonsTest, FollowTheSelectedRow)
{
    const ButtonCase& c = GetParam();
    QStringList names;
    QStringList rates;
    for (int i = 0; i < c.rows; ++i) {
        names << QString::number(i);
        rates << QStringLiteral("1");
    }
    const EditedList list(names, c.withRates ? &rates : nullptr);
    EXPECT_EQ(list.buttons(c.selected), c.expected);
}

//                            edit   delete primary new  up     down
constexpr ListButtons kNone{false, false, false, true, false, false};

INSTANTIATE_TEST_SUITE_P(Table, ListButtonsTest,
                         ::testing::Values(ButtonCase{true, 3, -1, kNone}, ButtonCase{false, 3, -1, kNone},
                                           ButtonCase{true, 0, -1, kNone},
                                           ButtonCase{true, 3, 0, {true, false, false, true, false, false}},
                                           ButtonCase{true, 3, 1, {true, true, true, true, false, true}},
                                           ButtonCase{true, 3, 2, {true, true, true, true, true, false}},
                                           ButtonCase{true, 1, 0, {true, false, false, true, false, false}},
                                           ButtonCase{false, 3, 0, {true, true, false, true, false, true}},
                                           ButtonCase{false, 3, 1, {true, true, false, true, true, true}},
                                           ButtonCase{false, 3, 2, {true, true, false, true, true, false}},
                                           ButtonCase{false, 1, 0, {true, true, false, true, false, false}}));

TEST(EditedList, TheFirstCurrencyAddedToAnEmptyListIsPrimary)
{
    const QStringList none;
    EditedList list(none, &none);
    list.appendRow();
    list.appendRow();
    EXPECT_EQ(list.rates(), QStringList({"Primary", "1.00"}));
    list.dropLastRow();
    EXPECT_EQ(list.size(), 1);
    EXPECT_EQ(list.rates().size(), 1);
}

} // namespace
} // namespace tallyfox
