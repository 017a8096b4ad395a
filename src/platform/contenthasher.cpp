// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/filesystem.h"

#include <QHash>
#include <algorithm>

namespace tallyfox {

namespace {

quint64 hashBlock(const char* data, qsizetype size, qint64 index)
{
    const auto seed = quint64(index + 1) * 0x9E3779B97F4A7C15ULL;
    const auto hash = quint64(qHashBits(data, size_t(size), size_t(seed)));
    // Mixed, so that blocks that trade places do not add up to the same sum.
    return (hash ^ (hash >> 31)) * (seed | 1);
}

} // namespace

void ContentHasher::addBlock(const char* data, qsizetype size)
{
    m_sum += hashBlock(data, size, (m_start + m_total) / kBlock);
    m_total += size;
}

void ContentHasher::add(QByteArrayView bytes)
{
    if (!m_block.isEmpty()) {
        const qsizetype take = std::min(kBlock - m_block.size(), bytes.size());
        m_block.append(bytes.first(take));
        bytes = bytes.sliced(take);
        if (m_block.size() < kBlock)
            return;
        addBlock(m_block.constData(), kBlock);
        m_block.resize(0);
    }
    // Whole blocks are hashed where they lie, without copying.
    while (bytes.size() >= kBlock) {
        addBlock(bytes.data(), kBlock);
        bytes = bytes.sliced(kBlock);
    }
    if (!bytes.isEmpty()) {
        m_block.reserve(kBlock);
        m_block.append(bytes);
    }
}

void ContentHasher::join(const ContentHasher& following)
{
    // A file cut short while it was read leaves a gap; the hash then differs from the file's, as the
    // file itself does.
    if (!m_block.isEmpty() || m_start + m_total != following.m_start)
        m_sum ^= 0x8000000000000001ULL;
    m_sum += following.m_sum;
    m_total += following.m_total;
    m_block = following.m_block;
}

quint64 ContentHasher::result() const
{
    // The length goes into the last block's hash, so that content and content plus a last empty block
    // differ.
    const qint64 last = (m_start + m_total) / kBlock;
    return m_sum + hashBlock(m_block.constData(), m_block.size(), last) +
           quint64(m_start + m_total + m_block.size()) * 0xC2B2AE3D27D4EB4FULL;
}

} // namespace tallyfox
