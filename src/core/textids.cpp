// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/textids.h"

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

} // namespace tallyfox
