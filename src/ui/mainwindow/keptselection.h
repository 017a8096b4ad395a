// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"

#include <optional>

namespace tallyfox {

class EntryListView;

// The list's selected entry and scroll position, taken before its rows are replaced by the entries read
// again from the file, and put back afterwards: the same entry stays selected wherever it now is, and
// the list stays scrolled where it was.
class KeptSelection
{
public:
    KeptSelection(const EntryListView& list, const AppState& state);

    // Call once the list shows the new rows.
    void restore(EntryListView& list, const AppState& state) const;

    // The row of the entry that the file stores as it stores entry, the one nearest to row near when
    // there are several; -1 when there is none.
    [[nodiscard]] static int findStoredEntry(const ExpenseArray& entries, const Expense& entry, int near);

private:
    std::optional<Expense> m_entry;
    int m_entryIndex = -1;
    int m_scroll = 0;
};

} // namespace tallyfox
