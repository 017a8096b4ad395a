// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"
#include "core/sorting.h"

#include <ostream>

namespace tallyfox {

// Failure messages show the fields that sorting reads.
inline void PrintTo(const Expense& entry, std::ostream* out)
{
    *out << "{note " << entry.note.toStdString() << ", type '" << entry.type.toStdString() << "', date "
         << entry.date << ", '" << entry.currency.toStdString() << "' " << (entry.income ? "income " : "")
         << entry.amount << ", receipt '" << entry.receipt.toStdString() << "'"
         << (entry.hasReceipt ? "" : " (none)") << ", paid with '" << entry.paidWith.toStdString()
         << "', source '" << entry.intendedSource.toStdString() << "'}";
}

} // namespace tallyfox

namespace tallyfox::test {

// The entry sort written as plainly as possible, to check the fast one against: a three-way partition
// around the middle entry into new arrays grown one record at a time, the same procedure for Before and
// After, then the first n slots refilled with Before, Same and After. Only the keys 0-5 are meaningful.
inline void oracleSort(ExpenseArray& a, int n, SortOrder order, const UserLocale& locale)
{
    if (n <= 1)
        return;
    const int p = n / 2;
    const Expense pivot = a[p];

    ExpenseArray before;
    ExpenseArray same;
    ExpenseArray after;
    for (int i = 0; i < n; ++i) {
        if (i == p)
            same.append(a[i]);
        else if (entryEqual(a[i], pivot, order.sortKey, locale))
            same.append(a[i]);
        else if (entryLess(a[i], pivot, order, locale))
            before.append(a[i]);
        else
            after.append(a[i]);
    }

    oracleSort(before, before.count(), order, locale);
    oracleSort(after, after.count(), order, locale);

    int k = 0;
    for (int i = 0; i < before.count(); ++i)
        a[k++] = before[i];
    for (int i = 0; i < same.count(); ++i)
        a[k++] = same[i];
    for (int i = 0; i < after.count(); ++i)
        a[k++] = after[i];
}

} // namespace tallyfox::test
