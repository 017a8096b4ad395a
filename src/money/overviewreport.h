// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/overviewsums.h"

#include <QDate>
#include <QString>

namespace tallyfox {

struct AppState;
class Clock;

[[nodiscard]] MonthBounds monthBoundsOf(QDate today);

// The overview report over all entries, lines ended by CR LF: the file name, the grand totals, this
// month and last month (by the clock's date), then per type, per intended source and per payment
// method; each section per currency and, when it holds other currencies than the primary one,
// converted to the primary. Totals are always income minus expenses.
[[nodiscard]] QString buildOverviewText(const AppState& state, const Clock& clock);
// The same report of entries that were summed as they were read, with the state's currencies and file
// name.
[[nodiscard]] QString overviewText(const AppState& state, const OverviewSums& sums);

} // namespace tallyfox
