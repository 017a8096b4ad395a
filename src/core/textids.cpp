// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/textids.h"

#include <algorithm>
#include <cstdint>

namespace tallyfox {

int TextIds::idOf(const QString& text)
{
    const QChar* data = text.constData();
    const auto address = reinterpret_cast<std::uintptr_t>(data);
    RecentText& recent = m_recent[(address >> 4) % kRecentSlots];
    // The same characters at the same place, while the texts stay alive, are the same text.
    if (recent.data == data && recent.size == text.size())
        return recent.id;

    auto found = m_ids.constFind(text);
    if (found == m_ids.constEnd()) {
        found = m_ids.insert(text, size());
        m_texts.push_back(text);
    }
    recent = RecentText{data, text.size(), found.value()};
    return found.value();
}

int StoredTextIds::idOf(StoredText text)
{
    if ((text.id() & StoredText::kUnsharedBit) != 0)
        return idOfCharacters(text);
    if ((m_texts.size() + 1) * 2 > m_slots.size()) {
        // Half full at most, so a search ends soon.
        std::vector<Slot> old = std::move(m_slots);
        m_slotBits = std::max(4, m_slotBits + 1);
        m_slots.assign(size_t(1) << m_slotBits, Slot());
        for (const Slot& slot : old) {
            if (slot.idPlusOne != 0)
                slotOf(slot.key) = slot;
        }
    }
    Slot& slot = slotOf(text.id());
    if (slot.idPlusOne == 0) {
        // An equal unshared text may have come first.
        const int id = m_byCharacters.isEmpty() ? newId(text) : idOfCharacters(text);
        slot = Slot{text.id(), id + 1};
    }
    return slot.idPlusOne - 1;
}

StoredTextIds::Slot& StoredTextIds::slotOf(quint32 key)
{
    const size_t mask = m_slots.size() - 1;
    for (size_t i = (key * 0x9E3779B1U) >> (32 - m_slotBits);; i = (i + 1) & mask) {
        Slot& slot = m_slots[i];
        if (slot.idPlusOne == 0 || slot.key == key)
            return slot;
    }
}

int StoredTextIds::idOfCharacters(StoredText text)
{
    if (m_byCharacters.isEmpty()) {
        for (size_t i = 0; i < m_texts.size(); ++i)
            m_byCharacters.insert(m_texts[i].text(), static_cast<int>(i));
    }
    const QString characters = text.text();
    if (const auto found = m_byCharacters.constFind(characters); found != m_byCharacters.constEnd())
        return found.value();
    const int id = newId(text);
    m_byCharacters.insert(characters, id);
    return id;
}

int StoredTextIds::newId(StoredText text)
{
    m_texts.push_back(text);
    return static_cast<int>(m_texts.size()) - 1;
}

} // namespace tallyfox
