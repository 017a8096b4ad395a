// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "cli/chartlibrary.h"
#include "cli/console.h"
#include "cli/invocation.h"
#include "session/session.h"

namespace tallyfox::cli {

// The overview's chart drawn by the chart library into a PNG or SVG file, written as the program writes
// its files; returns the exit code.
[[nodiscard]] int drawChart(Session& session, const Invocation& invocation, const ChartLibrary& charts,
                            Console& console);

// The months a chart shows: from --from (by default 11 months before the last) to --to (by default this
// month, or the table's last month when this month lies outside it).
[[nodiscard]] MonthSpan chartSpan(const Invocation& invocation, MonthSpan table, int thisMonth);

} // namespace tallyfox::cli
