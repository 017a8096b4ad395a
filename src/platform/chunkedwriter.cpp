// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/chunkedwriter.h"

#include "platform/filesystem.h"

namespace tallyfox {

namespace {

// A line that crosses the chunk's end fits in the room beyond it, so the buffer seldom grows.
constexpr qsizetype kRoomBeyondChunk = 64 * 1024;

} // namespace

ChunkedWriter::ChunkedWriter(QIODevice& device, ContentHasher* hasher) : m_device(device), m_hasher(hasher)
{
    m_buffer.reserve(kChunkSize + kRoomBeyondChunk);
}

void ChunkedWriter::writeIfFull()
{
    if (m_buffer.size() >= kChunkSize)
        writeBuffer();
}

void ChunkedWriter::write(QByteArrayView bytes)
{
    writeBuffer();
    if (m_failed || bytes.isEmpty())
        return;
    if (m_hasher)
        m_hasher->add(bytes);
    if (m_device.write(bytes.data(), bytes.size()) != bytes.size())
        m_failed = true;
}

bool ChunkedWriter::finish()
{
    writeBuffer();
    return !m_failed;
}

void ChunkedWriter::writeBuffer()
{
    if (!m_failed && !m_buffer.isEmpty()) {
        if (m_hasher)
            m_hasher->add(m_buffer);
        if (m_device.write(m_buffer) != m_buffer.size())
            m_failed = true;
    }
    // resize keeps the room for the next chunk, where clear() would free it.
    m_buffer.resize(0);
}

} // namespace tallyfox
