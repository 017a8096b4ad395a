// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/daycount.h"

#include <cmath>

namespace tallyfox {

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date, after Howard Hinnant's civil calendar algorithms.
constexpr long long daysFromCivil(long long year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr CalendarDay civilFromDays(long long days)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

// 1 January 0001 is day 1.
constexpr long long kDayCountOfEpoch1970 = 719163;
static_assert(daysFromCivil(2010, 1, 3) + kDayCountOfEpoch1970 == 733775);
static_assert(daysFromCivil(1, 1, 1) + kDayCountOfEpoch1970 == kFirstDayCount);
static_assert(daysFromCivil(9999, 12, 31) + kDayCountOfEpoch1970 == kLastDayCount);

constexpr int daysInMonth(int year, int month)
{
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : lengths[month - 1];
}

} // namespace

bool isCalendarDay(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

double dayCountFromDate(int year, int month, int day)
{
    if (!isCalendarDay(year, month, day))
        return 0.0;
    return static_cast<double>(daysFromCivil(year, month, day) + kDayCountOfEpoch1970);
}

std::optional<CalendarDay> dateFromDayCount(double date)
{
    if (!(date >= kFirstDayCount && date < kLastDayCount + 1.0))
        return std::nullopt;
    return civilFromDays(static_cast<long long>(std::floor(date)) - kDayCountOfEpoch1970);
}

double dayCountFromQDate(QDate date)
{
    if (!date.isValid())
        return 0.0;
    return dayCountFromDate(date.year(), date.month(), date.day());
}

QDate qdateFromDayCount(double date)
{
    const auto day = dateFromDayCount(date);
    return day ? QDate(day->year, day->month, day->day) : QDate();
}

} // namespace tallyfox
