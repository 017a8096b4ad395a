// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"

#include <QtGlobal>
#include <utility>
#include <vector>

namespace tallyfox {

// A growable array of records with an authoritative count. The array may hold more slots than the
// count (a reader that drops a blank entry leaves one spare slot); slots at and beyond the count are
// ignored by everyone, and the next append reuses them.
template <typename Record> class GrowableArray
{
public:
    [[nodiscard]] int count() const { return m_count; }
    [[nodiscard]] int slotCount() const { return static_cast<int>(m_slots.size()); }
    [[nodiscard]] bool isEmpty() const { return m_count == 0; }

    Record& operator[](int index) { return m_slots[static_cast<size_t>(index)]; }
    const Record& operator[](int index) const { return m_slots[static_cast<size_t>(index)]; }

    // Makes room for one more record and returns its slot. A newly grown slot is zeroed; a reused
    // spare slot still holds old values, so the caller sets every field.
    Record& append()
    {
        if (m_count == slotCount())
            m_slots.emplace_back();
        return m_slots[static_cast<size_t>(m_count++)];
    }

    void append(Record record) { append() = std::move(record); }

    // Forgets the last record; its slot stays as a spare for the next append. Nothing on an empty array.
    void dropLast()
    {
        if (m_count > 0)
            --m_count;
    }

    // Removes the record at index, moving the later ones down, and shrinks the array to the count.
    // An index outside the valid records changes nothing.
    void removeAt(int index)
    {
        if (index < 0 || index >= m_count)
            return;
        m_slots.erase(m_slots.begin() + index);
        --m_count;
        m_slots.resize(static_cast<size_t>(m_count));
    }

    void clear() { m_count = 0; }

    // Room for this many slots without reallocating (a reader that knows the size asks for it).
    void reserve(int slotsWanted) { m_slots.reserve(static_cast<size_t>(slotsWanted)); }

    void swap(GrowableArray& other) noexcept
    {
        m_slots.swap(other.m_slots);
        std::swap(m_count, other.m_count);
    }

    // The valid records, for range-for.
    Record* begin() { return m_slots.data(); }
    Record* end() { return m_slots.data() + m_count; }
    const Record* begin() const { return m_slots.data(); }
    const Record* end() const { return m_slots.data() + m_count; }

private:
    std::vector<Record> m_slots;
    int m_count = 0;
};

using ExpenseArray = GrowableArray<Expense>;
using CurrencyArray = GrowableArray<Currency>;

} // namespace tallyfox
