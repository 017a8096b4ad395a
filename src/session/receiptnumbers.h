#pragma once

#include "core/growablearray.h"

#include <QtGlobal>
#include <optional>

namespace tallyfox {

// The receipt number a new entry takes instead of the counter's when an entry already holds the
// counter's number (a counter that could not be saved, or another writer that used it first): one more
// than the highest numeric receipt. Nothing when the counter's number is free.
[[nodiscard]] std::optional<qint64> replacementReceiptNumber(const ExpenseArray& entries, qint64 counter);

} // namespace tallyfox
