// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/convertedtotals.h"

#include <QDate>
#include <QString>

namespace tallyfox {

struct AppState;

// This month's entries (by today's date) summed and converted as the report's "This month" section sums
// and converts them.
[[nodiscard]] ConvertedTotals thisMonthTotals(const AppState& state, QDate today);

// "This month: expenses X · income Y" in the primary currency, for the main window's line.
[[nodiscard]] QString thisMonthText(const ConvertedTotals& totals);

} // namespace tallyfox
