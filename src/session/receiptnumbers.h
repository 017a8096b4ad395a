// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"

#include <QString>
#include <QtGlobal>
#include <optional>

namespace tallyfox {

// The receipt number a new entry takes instead of the counter's when an entry already holds the
// counter's number (a counter that could not be saved, or another writer that used it first): one more
// than the highest numeric receipt. Nothing when the counter's number is free.
[[nodiscard]] std::optional<qint64> replacementReceiptNumber(const ExpenseArray& entries, qint64 counter);

// The number that a new receipt proposed as number takes, and the counter after it: the number itself when
// no entry holds it, else the replacement; the counter then follows it. A receipt the user typed keeps
// its text, and the counter counts it as used.
struct TakenReceipt
{
    QString receipt;
    quint16 nextCounter = 0;
};
[[nodiscard]] TakenReceipt takeReceiptNumber(const ExpenseArray& entries, const QString& receipt,
                                             bool proposed, quint16 counter);

} // namespace tallyfox
