// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/entrypick.h"

#include "core/daycount.h"
#include "money/currencytable.h"

namespace tallyfox {

bool isPicked(const Expense& entry, const EntryPick& pick)
{
    if (viewField(entry, pick.view) != pick.value)
        return false;
    if (pick.income && entry.income != *pick.income)
        return false;
    // The currency choice finds an entry's currency by its trimmed name, as the tables do.
    if (pick.currency && trimText(entry.currency.view()) != *pick.currency)
        return false;
    const QDate day = qdateFromDayCount(entry.date);
    return day.isValid() && day >= pick.from && day <= pick.to;
}

int firstPickedEntry(const ExpenseArray& entries, const EntryPick& pick)
{
    for (int i = 0; i < entries.count(); ++i) {
        if (isPicked(entries[i], pick))
            return i;
    }
    return -1;
}

} // namespace tallyfox
