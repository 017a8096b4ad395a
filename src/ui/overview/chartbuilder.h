// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/chartseries.h"
#include "ui/overview/chartlook.h"

#include <QString>

class QChart;

namespace tallyfox {

// The charts as Qt Charts draws them, made from their series. The caller owns the chart.
namespace chartbuilder {

// The months' bars, expenses and income side by side with the balance as a line, as the series' mode
// shows them; the months along the bottom, their captions turned upright.
[[nodiscard]] QChart* monthsChart(const MonthSeries& series, const ChartLook& look, const QString& title);

// A ring of the parts, largest first, with the legend of names and sums beside it and the total in its
// middle.
[[nodiscard]] QChart* sharesChart(const ShareSeries& series, const ChartLook& look, const QString& title);

// The width a months chart needs for every month to have a finger's width, at least as wide as the room.
[[nodiscard]] int monthsChartWidth(int months, int room);

} // namespace chartbuilder
} // namespace tallyfox
