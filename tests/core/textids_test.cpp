// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/textids.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(TextIds, NumbersDistinctTextsByFirstAppearanceComparedExactly)
{
    const QStringList texts = {QStringLiteral("Taxi"), QStringLiteral("Lunch"), QStringLiteral("Taxi"),
                               QStringLiteral("taxi"), QStringLiteral("Taxi "), QString(),
                               QStringLiteral("Lunch")};
    const int expected[] = {0, 1, 0, 2, 3, 4, 1};
    TextIds ids;
    for (qsizetype i = 0; i < texts.size(); ++i)
        EXPECT_EQ(ids.idOf(texts[i]), expected[i]) << i;
    EXPECT_EQ(ids.size(), 5);
    EXPECT_EQ(ids.text(3), u"Taxi ");

    // More texts than recent slots, met again backwards as separate and as shared copies (alive while
    // the numbers are asked for, as the contract wants).
    QStringList first;
    QStringList separate;
    for (int i = 0; i < 2000; ++i) {
        first.append(QStringLiteral("text %1").arg(i));
        separate.append(QStringLiteral("text %1").arg(i));
    }
    const QStringList shared = first;
    for (int i = 0; i < 2000; ++i)
        EXPECT_EQ(ids.idOf(first[i]), 5 + i);
    for (int i = 1999; i >= 0; --i) {
        EXPECT_EQ(ids.idOf(separate[i]), 5 + i);
        EXPECT_EQ(ids.idOf(shared[i]), 5 + i);
    }
}

// Shared texts are known by their number, unshared ones by their characters: an unshared copy of a text
// met before, shared or not, and a shared text first met unshared, get the number it already has, across
// the growth of the table.
TEST(StoredTextIds, NumbersEqualTextsAlikeWhetherSharedOrNot)
{
    StoredTextIds ids;
    EXPECT_EQ(ids.idOf(StoredText()), 0);
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(ids.idOf(StoredText(QStringLiteral("t%1").arg(i))), i);
    EXPECT_EQ(ids.idOf(StoredText::unshared(u"t7")), 7);
    EXPECT_EQ(ids.idOf(StoredText::unshared(u"new")), 101);
    EXPECT_EQ(ids.idOf(StoredText(u"new")), 101);
    EXPECT_EQ(ids.idOf(StoredText(u"t100")), 100);
    EXPECT_EQ(ids.idOf(StoredText(u"later")), 102);
    EXPECT_EQ(ids.idOf(StoredText::unshared(u"later")), 102);
    EXPECT_EQ(ids.idOf(StoredText::unshared(u"")), 0);
    EXPECT_EQ(ids.size(), 103);
    EXPECT_EQ(ids.text(101), u"new");
}

} // namespace
} // namespace tallyfox
