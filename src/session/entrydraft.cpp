// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/entrydraft.h"

#include "core/daycount.h"

namespace tallyfox {

void fillEntry(Expense& entry, const EntryDraft& draft, const QString& receipt)
{
    entry.type = draft.type;
    entry.currency = draft.currency;
    entry.date = dayCountFromQDate(draft.date);
    entry.amount = draft.amount;
    entry.intendedSource = draft.intendedSource;
    entry.paidWith = draft.paidWith;
    entry.income = draft.income;
    entry.note = draft.note;
    entry.hasReceipt = draft.hasReceipt;
    entry.receipt = receipt;
    entry.justChanged = true;
}

} // namespace tallyfox
