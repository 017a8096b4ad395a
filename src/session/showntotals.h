// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>

namespace tallyfox {

struct AppState;

// What the entries a view shows add up to, in the primary currency: the line under the list.
struct ShownTotals
{
    int shown = 0;
    int total = 0;
    double expenses = 0.0;
    double income = 0.0;
    // Some shown entry is in a currency that the table cannot convert; its amounts count 0.
    bool notAllConverted = false;

    friend bool operator==(const ShownTotals&, const ShownTotals&) = default;
};

// "N of M entries · expenses X · income Y · balance Z EUR", the balance being income minus expenses as
// in the overview; with "?" after each sum and the overview's warning on a line of its own when some
// currency could not be converted.
[[nodiscard]] QString shownTotalsText(const ShownTotals& totals, const AppState& state);

} // namespace tallyfox
