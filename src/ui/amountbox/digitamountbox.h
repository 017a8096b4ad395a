// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "ui/amountbox/digitamount.h"

#include <QString>
#include <array>

namespace tallyfox {

class Canvas;

// The digit-column amount box without a widget: its geometry, its drawing and its tap rules. Each box
// keeps the ten column boundaries of its last paint, so that a tap means what is on screen.
//
// The boundaries X0..X9 split the box into: the left strip 0-X0 (more or fewer columns), six integer
// columns X0-X1 (hundred-thousands) to X5-X6 (units), the decimal point X6-X7, tenths X7-X8 and
// hundredths X8-X9, and the right strip X9-width (decimals shown or hidden). Hidden columns have no width.
class DigitAmountBox
{
public:
    using Boundaries = std::array<int, 10>;

    static constexpr int kMinimumColumns = 3;
    static constexpr int kMaximumColumns = 6;
    // The eight digit columns from hundred-thousands to hundredths, as the places of the text T.
    static constexpr int kDigitColumns = 8;

    // The boundaries for a box of that width showing that many integer columns, with or without the
    // decimal columns.
    [[nodiscard]] static Boundaries geometry(int width, int columns, bool decimalsShown);
    // The nine-character text the columns show: six integer digits, ".", two decimals ("000001.50").
    [[nodiscard]] static QString digitText(double amount);
    // The value of a tap in the digit column (0 = hundred-thousands ... 7 = hundredths) in the direction
    // step (+1 up, -1 down): the new amount, or the old one when the result would leave the limits.
    [[nodiscard]] static double stepped(double amount, int column, int step, bool increase9Is0);

    // Draws the value. Shows the decimals of an amount with a fraction and grows the columns to what the
    // amount needs, in the caller's value. A paint that starts within a paint does nothing.
    void paint(Canvas& surface, int width, int height, DigitAmount& value);
    // Applies a tap at (x, y) to the caller's value against the boundaries of the last paint; true when
    // anything changed. Before the first paint nothing is on screen and a tap changes nothing.
    bool tap(int x, int y, int width, int height, DigitAmount& value, bool increase9Is0) const;

    [[nodiscard]] const Boundaries& boundaries() const { return m_boundaries; }

private:
    Boundaries m_boundaries{};
    bool m_painted = false;
    bool m_painting = false;
};

} // namespace tallyfox
