// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"
#include "core/growablearray.h"

#include <QByteArray>
#include <algorithm>
#include <cstddef>
#include <vector>

namespace tallyfox {

// A change made to the entries in memory that the database file does not hold yet. Entries are kept
// by value, so that the change can be made again on entries read afresh from the file.
struct EntryChange
{
    enum class Kind
    {
        Add,
        Edit,
        Delete,
    };
    Kind kind = Kind::Add;
    // The entry as it was (Edit, Delete).
    Expense before;
    // The entry as it is now (Add, Edit).
    Expense after;
};

// The changes since the entries and the file last agreed, in the order they were made. When another
// program changes the file, they are made again on what it holds now.
class ChangeJournal
{
public:
    void added(const Expense& entry);
    void edited(const Expense& before, const Expense& after);
    void deleted(const Expense& entry);
    // Room for count changes in all, so that a large import does not move the ones before.
    void reserve(size_t count) { m_changes.reserve(count); }

    [[nodiscard]] bool isEmpty() const { return m_changes.empty(); }
    [[nodiscard]] const std::vector<EntryChange>& changes() const { return m_changes; }
    void clear() { m_changes.clear(); }
    // Forgets the oldest count changes (the file holds them now); later ones stay.
    void dropFirst(size_t count)
    {
        m_changes.erase(m_changes.begin(),
                        m_changes.begin() + static_cast<std::ptrdiff_t>(std::min(count, m_changes.size())));
    }

    // Makes the changes on entries read from the file: an added entry is appended; an edited or deleted
    // one is looked up by its fields. A change whose entry is not there is dropped from the journal and
    // its entry (as the user last saw it) is given back; the journal keeps the changes it made.
    std::vector<Expense> replayOn(ExpenseArray& entries);

private:
    std::vector<EntryChange> m_changes;
};

// The entry's line as the database file holds it: what identifies an entry among those read back.
[[nodiscard]] QByteArray storedLine(const Expense& entry);

} // namespace tallyfox
