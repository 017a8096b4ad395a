// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/receiptnumbers.h"

#include <algorithm>

namespace tallyfox {

namespace {

// Receipts written by hand can hold any text; only plain numbers in a sane range count.
constexpr qint64 kLargestReceiptNumber = 999999999999;

std::optional<qint64> receiptNumber(const Expense& entry)
{
    if (!entry.hasReceipt)
        return std::nullopt;
    bool ok = false;
    const qint64 number = entry.receipt.view().toLongLong(&ok);
    if (!ok || number < 0 || number > kLargestReceiptNumber)
        return std::nullopt;
    return number;
}

} // namespace

std::optional<qint64> replacementReceiptNumber(const ExpenseArray& entries, qint64 counter)
{
    bool used = false;
    qint64 highest = -1;
    for (const Expense& entry : entries) {
        if (const std::optional<qint64> number = receiptNumber(entry)) {
            used = used || *number == counter;
            highest = std::max(highest, *number);
        }
    }
    if (!used)
        return std::nullopt;
    return highest + 1;
}

TakenReceipt takeReceiptNumber(const ExpenseArray& entries, const QString& receipt, bool proposed,
                               quint16 counter)
{
    bool numeric = false;
    const qint64 number = receipt.toLongLong(&numeric);
    if (!proposed || !numeric || number < 0)
        return {receipt, quint16(counter + 1)};
    const qint64 free = replacementReceiptNumber(entries, number).value_or(number);
    // The counter is 16 bits wide: past its end it wraps, as when it is counted up.
    return {QString::number(free), quint16(std::min<qint64>(free, 0xffff) + 1)};
}

} // namespace tallyfox
