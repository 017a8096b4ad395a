// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QDate>
#include <QString>

namespace tallyfox {

struct AppState;
class Clock;

// The starts of last month, this month and next month as day counts at 00:00.
struct MonthBounds
{
    double lastMonthStart = 0.0;
    double thisMonthStart = 0.0;
    double nextMonthStart = 0.0;
};

[[nodiscard]] MonthBounds monthBoundsOf(QDate today);

// The overview report over all entries, lines ended by CR LF: the file name, the grand totals, this
// month and last month (by the clock's date), then per type, per intended source and per payment
// method; each section per currency and, when it holds other currencies than the primary one,
// converted to the primary. Totals are always income minus expenses.
[[nodiscard]] QString buildOverviewText(const AppState& state, const Clock& clock);

} // namespace tallyfox
