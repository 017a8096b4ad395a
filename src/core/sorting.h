#pragma once

#include "core/growablearray.h"
#include "core/settings.h"
#include "platform/userlocale.h"

#include <QtGlobal>

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

} // namespace tallyfox
