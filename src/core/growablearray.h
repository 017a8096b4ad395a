// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"
#include "platform/largememory.h"

#include <QtGlobal>
#include <atomic>
#include <memory>
#include <utility>
#include <vector>

namespace tallyfox {

// A growable array of records with an authoritative count. The array may hold more slots than the
// count (a reader that drops a blank entry leaves one spare slot); slots at and beyond the count are
// ignored by everyone, and the next append reuses them.
//
// Copies share their records until one of them changes (copy on write), so that a copy taken for a
// background write costs nothing while the original goes on. A copy may be read on another thread as long
// as nobody changes that copy; the original may change meanwhile.
template <typename Record> class GrowableArray
{
public:
    [[nodiscard]] int count() const { return m_count; }
    [[nodiscard]] int slotCount() const { return static_cast<int>(slots().size()); }
    [[nodiscard]] bool isEmpty() const { return m_count == 0; }

    Record& operator[](int index) { return ownSlots()[static_cast<size_t>(index)]; }
    const Record& operator[](int index) const { return slots()[static_cast<size_t>(index)]; }

    // Makes room for one more record and returns its slot. A newly grown slot is zeroed; a reused
    // spare slot still holds old values, so the caller sets every field.
    Record& append()
    {
        Slots& own = ownSlots();
        if (m_count == slotCount())
            own.emplace_back();
        return own[static_cast<size_t>(m_count++)];
    }

    void append(Record record) { append() = std::move(record); }

    // Appends the valid records of another array, in their order.
    void appendAll(const GrowableArray& other)
    {
        Slots& own = ownSlots();
        own.resize(static_cast<size_t>(m_count));
        own.insert(own.end(), other.begin(), other.end());
        m_count += other.count();
    }

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
        Slots& own = ownSlots();
        own.erase(own.begin() + index);
        --m_count;
        own.resize(static_cast<size_t>(m_count));
    }

    void clear() { m_count = 0; }

    // Room for this many slots without reallocating (a reader that knows the size asks for it).
    void reserve(int slotsWanted) { ownSlots().reserve(static_cast<size_t>(slotsWanted)); }

    void swap(GrowableArray& other) noexcept
    {
        m_slots.swap(other.m_slots);
        std::swap(m_count, other.m_count);
    }

    // Whether the records are shared with a copy (the next change copies them first).
    [[nodiscard]] bool isShared() const { return m_slots.use_count() > 1; }

    // The valid records, for range-for.
    Record* begin() { return ownSlots().data(); }
    Record* end() { return begin() + m_count; }
    const Record* begin() const { return slots().data(); }
    const Record* end() const { return slots().data() + m_count; }

private:
    using Slots = LargeVector<Record>;

    const Slots& slots() const { return m_slots ? *m_slots : kNoSlots; }
    // The records for changing: copied first while a copy of the array shares them.
    Slots& ownSlots()
    {
        if (!m_slots)
            m_slots = std::make_shared<Slots>();
        else if (m_slots.use_count() > 1)
            m_slots = std::make_shared<Slots>(*m_slots);
        else
            // A copy let go on another thread: what it read is done before the records change here.
            std::atomic_thread_fence(std::memory_order_acquire);
        return *m_slots;
    }

    static inline const Slots kNoSlots;
    std::shared_ptr<Slots> m_slots;
    int m_count = 0;
};

using ExpenseArray = GrowableArray<Expense>;
using CurrencyArray = GrowableArray<Currency>;

} // namespace tallyfox
