// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/storedtext.h"

#include <QHash>
#include <QString>
#include <array>
#include <vector>

namespace tallyfox {

// Numbers the distinct texts met in a pass over the entries, 0, 1, 2 … in the order of first appearance,
// compared exactly (case and blanks matter). Entries read from a file share one copy of each repeated
// text, so a text whose characters lie where a recent one's did is known without hashing it; this
// halves the time of the overview.
//
// The texts handed in must stay alive and unchanged while the object is used.
class TextIds
{
public:
    [[nodiscard]] int idOf(const QString& text);
    [[nodiscard]] int size() const { return static_cast<int>(m_texts.size()); }
    [[nodiscard]] const QString& text(int id) const { return m_texts[static_cast<size_t>(id)]; }

private:
    struct RecentText
    {
        const QChar* data = nullptr;
        qsizetype size = -1;
        int id = -1;
    };
    static constexpr size_t kRecentSlots = 256;

    std::array<RecentText, kRecentSlots> m_recent;
    QHash<QString, int> m_ids;
    std::vector<QString> m_texts;
};

// Numbers stored texts 0, 1, 2 … in the order of first appearance, as TextIds numbers their texts: equal
// shared texts are known by their number in the store, without looking at their characters.
class StoredTextIds
{
public:
    [[nodiscard]] int idOf(StoredText text);
    [[nodiscard]] int size() const { return static_cast<int>(m_texts.size()); }
    [[nodiscard]] StoredText text(int id) const { return m_texts[static_cast<size_t>(id)]; }

private:
    struct Slot
    {
        quint32 key = 0;
        int idPlusOne = 0;
    };
    [[nodiscard]] Slot& slotOf(quint32 key);
    int idOfCharacters(StoredText text);
    int newId(StoredText text);

    std::vector<Slot> m_slots;
    int m_slotBits = 0;
    std::vector<StoredText> m_texts;
    // Filled once an unshared text comes, which only its characters can match.
    QHash<QString, int> m_byCharacters;
};

} // namespace tallyfox
