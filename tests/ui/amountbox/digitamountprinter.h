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
