// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"
#include "core/settings.h"
#include "platform/userlocale.h"

#include <QtGlobal>
#include <vector>

namespace tallyfox {

// How the entries are ordered: a key and whether its order is reversed.
struct SortOrder
{
    SortKey sortKey = SortKey::Name;
    bool sortReverse = false;
};

// Whether the entry goes before the pivot. Reversing negates the result.
[[nodiscard]] bool entryLess(const Expense& entry, const Expense& pivot, SortOrder order,
                             const UserLocale& locale);
// Whether the entry lands beside the pivot; reversing does not change it.
[[nodiscard]] bool entryEqual(const Expense& entry, const Expense& pivot, SortKey sortKey,
                              const UserLocale& locale);

// Reorders the first count entries by a three-way partition around the middle entry: each bucket keeps
// scan order, so entries that compare equal keep their relative order. Entries that are neither equal
// nor ordered (receipts "A1" and "a1") land after the pivot. A key beyond the known ones leaves the order
// alone.
void sortEntries(ExpenseArray& entries, int count, SortOrder order, const UserLocale& locale);

// Sorts as sortEntries does and says where each entry came from: the entry now at slot i was at slot
// order[i] before. Empty when every entry stayed where it was.
std::vector<int> sortEntriesTracked(ExpenseArray& entries, int count, SortOrder order,
                                    const UserLocale& locale);
// Moves the first order.size() entries so that the entry at slot order[i] goes to slot i; order must
// name each of those slots once.
void reorderEntries(ExpenseArray& entries, std::vector<int> order);

} // namespace tallyfox
