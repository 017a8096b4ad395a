// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QDateTime>

namespace tallyfox::datesteps {

// The date panel's taps as calendar arithmetic on a date and time. The time of day never changes, and a
// step that would leave the years 1 to 9999 leaves the date as it is.

// Days roll over into the next or previous month and year.
[[nodiscard]] QDateTime addDays(const QDateTime& date, int days);
// The day is lowered to the last day of the new month when it is beyond it (31 January gives 28 or 29
// February); the year rolls over below January and after December.
[[nodiscard]] QDateTime addMonths(const QDateTime& date, int months);
// 29 February becomes 28 February in a year that is not a leap year.
[[nodiscard]] QDateTime addYears(const QDateTime& date, int years);

} // namespace tallyfox::datesteps
