// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "ui/amountbox/digitamount.h"

#include <ostream>

namespace tallyfox {

inline void PrintTo(const DigitAmount& value, std::ostream* out)
{
    *out << "{" << value.amount << ", " << (value.decimalsShown ? "decimals" : "no decimals") << ", "
         << value.columns << " columns}";
}

} // namespace tallyfox
