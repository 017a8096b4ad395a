// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/storedtext.h"

#include <QString>

namespace tallyfox {

// One entry: an expense or an income. The amount is a non-negative magnitude; income says which way
// the money went, and signs appear only in texts.
// The texts are numbers in the shared store of texts, so an entry is 48 plain bytes.
struct Expense
{
    StoredText type;
    StoredText currency;
    StoredText intendedSource;
    StoredText paidWith;
    StoredText note;
    StoredText receipt;
    bool income = false;
    // Set when the item editor stores the entry; the next list refresh reveals its row and clears it.
    bool justChanged = false;
    bool hasReceipt = false;
    // The entry's line among the lines kept from the file it was read from (StoredLines), plus one;
    // 0: none. A write copies that line only while the entry is still as it was read from it, so the
    // number may go stale, and equal entries are equal whatever their lines.
    quint32 storedLine = 0;
    // Days since 1 January 0001 (that day is 1.0); the fraction is the time of day.
    double date = 0.0;
    double amount = 0.0;

    friend bool operator==(const Expense& a, const Expense& b)
    {
        return a.type == b.type && a.currency == b.currency && a.intendedSource == b.intendedSource &&
               a.paidWith == b.paidWith && a.note == b.note && a.receipt == b.receipt &&
               a.income == b.income && a.justChanged == b.justChanged && a.hasReceipt == b.hasReceipt &&
               a.date == b.date && a.amount == b.amount;
    }
};

static_assert(sizeof(Expense) == 48);

// One currency: how many units of it make one unit of the primary currency (index 0, rate 1.0).
struct Currency
{
    QString name;
    double rate = 1.0;

    friend bool operator==(const Currency&, const Currency&) = default;
};

} // namespace tallyfox
