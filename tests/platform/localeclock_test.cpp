// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/clock.h"
#include "platform/userlocale.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(UserLocale, ComparesTextsIgnoringCase)
{
    const UserLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(locale.compareText(u"eur", u"EUR"), 0);
    EXPECT_LT(locale.compareText(u"apple", u"Banana"), 0);
    EXPECT_GT(locale.compareText(u"Zebra", u"apple"), 0);
    EXPECT_NE(locale.compareText(u"cafe", u"caf\u00e9"), 0);
}

TEST(UserLocale, DatesAndTimesFollowTheLocale)
{
    const QDate day(2010, 1, 3);
    const UserLocale german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.shortDate(day), u"03.01.10");
    EXPECT_EQ(german.dayName(day), u"Sonntag");
    EXPECT_EQ(german.timeWithSeconds(QTime(9, 5, 7)), u"09:05:07");
    const UserLocale american(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(american.shortDate(day), u"1/3/10");
    EXPECT_EQ(UserLocale(QLocale::c()).shortDate(day), u"2010-01-03");
    EXPECT_TRUE(american.timeWithSeconds(QTime(21, 5, 7)).startsWith(u"9:05:07"))
        << american.timeWithSeconds(QTime(21, 5, 7)).toStdString();
}

TEST(Clock, ReadsAPinnedDateOrDateAndTime)
{
    EXPECT_EQ(Clock::parsePinnedTime(QStringLiteral("2010-01-03")),
              QDateTime(QDate(2010, 1, 3), QTime(0, 0)));
    EXPECT_EQ(Clock::parsePinnedTime(QStringLiteral("2010-01-03T12:30:45")),
              QDateTime(QDate(2010, 1, 3), QTime(12, 30, 45)));
    for (const char* bad : {"", "yesterday", "2010-13-01", "2010-02-30", "2010-01-03T25:00:00"})
        EXPECT_FALSE(Clock::parsePinnedTime(QString::fromLatin1(bad))) << bad;

    const Clock pinned(QDateTime(QDate(2026, 12, 8), QTime(14, 0)));
    EXPECT_TRUE(pinned.isPinned());
    EXPECT_EQ(pinned.today(), QDate(2026, 12, 8));
}

TEST(Clock, TheTestEnvironmentPinsTheClock)
{
    EXPECT_EQ(Clock::fromEnvironment().now(), QDateTime(QDate(2010, 1, 3), QTime(12, 30, 45)));
}

} // namespace
} // namespace tallyfox
