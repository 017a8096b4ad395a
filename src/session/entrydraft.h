// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"

#include <QDate>
#include <QString>

namespace tallyfox {

// An entry as the item editor or the command line fills it in, before it is stored.
struct EntryDraft
{
    QString type;
    QString currency;
    QString intendedSource;
    QString paidWith;
    QString note;
    QDate date;
    double amount = 0.0;
    bool income = false;
    bool hasReceipt = false;
    QString receipt;
    // The receipt is the number the program proposed (proposedReceiptNumber), not one the user typed: an
    // entry that took that number meanwhile moves it on to the next free one when the entry is stored.
    bool receiptProposed = false;
};

// Gives the entry the draft's fields, with the receipt number it takes, and marks it as just changed.
void fillEntry(Expense& entry, const EntryDraft& draft, const QString& receipt);

} // namespace tallyfox
