// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>
#include <QStringList>

namespace tallyfox {

// x with exactly n decimals (n below 0 counts as 0), rounded to the nearest with halves going up:
// decimalText(0.6944444, 5) is 0.69444, decimalText(2, 5) is 2.00000. A negative value gets a "-"
// (unless it rounds to zero); a value that is not finite reads as 0.
[[nodiscard]] QString decimalText(double x, int n);

// A rate with at most five decimals and no trailing zeros: 1/1.44 gives 0.69444, 2 gives 2.
[[nodiscard]] QString rateText(double x);

// Makes entry k of the currency list the primary one: names 0 and k swap, and every rate is rewritten
// against the new primary, rounded to five decimals; rates[0] keeps its marker. Nothing changes, and
// the result is false, when k is outside 1 … size-1, the lists differ in length, or the chosen
// currency's rate is not a number above zero (only a hand-edited file holds such a rate).
[[nodiscard]] bool rebaseRates(QStringList& names, QStringList& rates, qsizetype k);

// n padded with "0" to at least two characters: 7 gives 07, 123 gives 123.
[[nodiscard]] QString twoDigitText(int n);

} // namespace tallyfox
