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
    // Days since 1 January 0001 (that day is 1.0); the fraction is the time of day.
    double date = 0.0;
    double amount = 0.0;

    friend bool operator==(const Expense&, const Expense&) = default;
};

// One currency: how many units of it make one unit of the primary currency (index 0, rate 1.0).
struct Currency
{
    QString name;
    double rate = 1.0;

    friend bool operator==(const Currency&, const Currency&) = default;
};

} // namespace tallyfox
