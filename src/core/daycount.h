// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QDate>
#include <optional>

namespace tallyfox {

// Dates are day counts: 1.0 is 1 January 0001 of the proleptic Gregorian calendar, 3 January 2010 is
// 733775.0, and the fraction is the time of day. Calendar days run from 0001-01-01 to 9999-12-31.
struct CalendarDay
{
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const CalendarDay&, const CalendarDay&) = default;
};

inline constexpr int kFirstDayCount = 1;
inline constexpr int kLastDayCount = 3652059; // 31 December 9999

[[nodiscard]] bool isCalendarDay(int year, int month, int day);
// The day count of a calendar day, or 0.0 when year, month and day form no calendar day.
[[nodiscard]] double dayCountFromDate(int year, int month, int day);
// The calendar day of a day count (its fraction ignored), or nothing below 1.0 or after 9999.
[[nodiscard]] std::optional<CalendarDay> dateFromDayCount(double date);

[[nodiscard]] double dayCountFromQDate(QDate date);
// An invalid QDate when the day count names no calendar day.
[[nodiscard]] QDate qdateFromDayCount(double date);

} // namespace tallyfox
