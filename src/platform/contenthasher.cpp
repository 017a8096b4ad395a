// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/filesystem.h"

#include <QHash>
#include <algorithm>

namespace tallyfox {

namespace {

// The bytes are hashed in blocks of this size at fixed offsets, each seeded with the state so far, so
// the result does not depend on where add() calls split the content.
constexpr qsizetype kHashBlock = 64 * 1024;

quint64 hashBlock(const char* data, qsizetype size, quint64 seed)
{
    return quint64(qHashBits(data, size_t(size), size_t(seed)));
}

} // namespace

void ContentHasher::add(QByteArrayView bytes)
{
    m_total += bytes.size();
    if (!m_block.isEmpty()) {
        const qsizetype take = std::min(kHashBlock - m_block.size(), bytes.size());
        m_block.append(bytes.first(take));
        bytes = bytes.sliced(take);
        if (m_block.size() < kHashBlock)
            return;
        m_state = hashBlock(m_block.constData(), kHashBlock, m_state);
        m_block.resize(0);
    }
    // Whole blocks are hashed where they lie, without copying.
    while (bytes.size() >= kHashBlock) {
        m_state = hashBlock(bytes.data(), kHashBlock, m_state);
        bytes = bytes.sliced(kHashBlock);
    }
    if (!bytes.isEmpty()) {
        m_block.reserve(kHashBlock);
        m_block.append(bytes);
    }
}

quint64 ContentHasher::result() const
{
    // The length goes into the last seed, so that content and content plus a last empty block differ.
    return hashBlock(m_block.constData(), m_block.size(),
                     m_state ^ (quint64(m_total) * 0x9E3779B97F4A7C15ULL));
}

} // namespace tallyfox
