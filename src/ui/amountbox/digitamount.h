// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

namespace tallyfox {

// What a digit-column amount box shows and changes: the caller's amount (0 to 999999.99), whether the two
// decimal columns are shown and how many integer columns (3 to 6).
struct DigitAmount
{
    double amount = 0.0;
    bool decimalsShown = true;
    int columns = 3;

    friend bool operator==(const DigitAmount&, const DigitAmount&) = default;
};

} // namespace tallyfox
