// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/daycount.h"

#include <QDate>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace tallyfox {
namespace {

struct DayCase
{
    int year;
    int month;
    int day;
    double count;
};

TEST(DayCount, CountsDaysFromTheFirstOfJanuaryOfYearOne)
{
    const DayCase cases[] = {
        {1, 1, 1, 1.0},
        {1, 1, 2, 2.0},
        {1, 12, 31, 365.0},
        {2, 1, 1, 366.0},
        {4, 12, 31, 1461.0},
        {2010, 1, 3, 733775.0},
        {2010, 1, 2, 733774.0},
        {1970, 1, 1, 719163.0},
        {2000, 2, 29, 730179.0},
        {2000, 3, 1, 730180.0},
        {1900, 2, 28, 693654.0},
        {1900, 3, 1, 693655.0},
        {9999, 12, 31, 3652059.0},
    };
    for (const DayCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        EXPECT_EQ(dayCountFromDate(c.year, c.month, c.day), c.count);
        EXPECT_EQ(dateFromDayCount(c.count), (CalendarDay{c.year, c.month, c.day}));
        EXPECT_EQ(dayCountFromQDate(QDate(c.year, c.month, c.day)), c.count);
        EXPECT_EQ(qdateFromDayCount(c.count), QDate(c.year, c.month, c.day));
    }
}

TEST(DayCount, KnowsTheGregorianLeapYears)
{
    EXPECT_TRUE(isCalendarDay(2000, 2, 29));
    EXPECT_TRUE(isCalendarDay(2024, 2, 29));
    EXPECT_TRUE(isCalendarDay(4, 2, 29));
    EXPECT_FALSE(isCalendarDay(1900, 2, 29));
    EXPECT_FALSE(isCalendarDay(2023, 2, 29));
    EXPECT_FALSE(isCalendarDay(2100, 2, 29));
    EXPECT_EQ(dayCountFromDate(2001, 1, 1) - dayCountFromDate(2000, 1, 1), 366.0);
    EXPECT_EQ(dayCountFromDate(1901, 1, 1) - dayCountFromDate(1900, 1, 1), 365.0);
    EXPECT_EQ(dayCountFromDate(401, 1, 1) - dayCountFromDate(1, 1, 1), 146097.0);
}

TEST(DayCount, InvalidDaysGiveZero)
{
    const int invalid[][3] = {{0, 1, 1},     {10000, 1, 1}, {2010, 0, 1},         {2010, 13, 1},
                              {2010, 1, 0},  {2010, 1, 32}, {2010, 4, 31},        {-1, 1, 1},
                              {2010, -1, 1}, {2010, 2, 29}, {2147483647, 12, 31}, {-2147483647 - 1, 1, 1}};
    for (const auto& d : invalid) {
        SCOPED_TRACE(testing::Message() << d[0] << '-' << d[1] << '-' << d[2]);
        EXPECT_FALSE(isCalendarDay(d[0], d[1], d[2]));
        EXPECT_EQ(dayCountFromDate(d[0], d[1], d[2]), 0.0);
    }
    EXPECT_EQ(dayCountFromQDate(QDate()), 0.0);
    EXPECT_EQ(dayCountFromQDate(QDate(-5, 1, 1)), 0.0);
    EXPECT_EQ(dayCountFromQDate(QDate(10000, 1, 1)), 0.0);
}

TEST(DayCount, CountsOutsideTheCalendarNameNoDay)
{
    const double values[] = {0.0,
                             0.999,
                             -1.0,
                             kLastDayCount + 1.0,
                             1e300,
                             -1e300,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()};
    for (double value : values) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(dateFromDayCount(value).has_value());
        EXPECT_FALSE(qdateFromDayCount(value).isValid());
    }
}

TEST(DayCount, IgnoresTheTimeOfDay)
{
    EXPECT_EQ(dateFromDayCount(733775.5), (CalendarDay{2010, 1, 3}));
    EXPECT_EQ(dateFromDayCount(733775.99999), (CalendarDay{2010, 1, 3}));
    EXPECT_EQ(dateFromDayCount(kLastDayCount + 0.75), (CalendarDay{9999, 12, 31}));
    EXPECT_EQ(dateFromDayCount(1.25), (CalendarDay{1, 1, 1}));
}

TEST(DayCount, RoundTripsEveryDayAgainstQDate)
{
    // QDate's Julian day is a second, independent calendar: 1 January 0001 is Julian day 1721426.
    const qint64 julianOffset = QDate(1, 1, 1).toJulianDay() - 1;
    CalendarDay previous{0, 12, 31};
    for (int count = kFirstDayCount; count <= kLastDayCount; count += count < 800000 ? 7 : 1) {
        const auto day = dateFromDayCount(count);
        ASSERT_TRUE(day.has_value()) << count;
        const QDate expected = QDate::fromJulianDay(count + julianOffset);
        ASSERT_EQ(QDate(day->year, day->month, day->day), expected) << count;
        ASSERT_EQ(dayCountFromDate(day->year, day->month, day->day), count);
        ASSERT_TRUE(day->year >= previous.year) << count;
        previous = *day;
    }
}

} // namespace
} // namespace tallyfox
