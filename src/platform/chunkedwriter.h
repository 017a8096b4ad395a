// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QByteArray>
#include <QIODevice>

namespace tallyfox {

class ContentHasher;

// Gathers output in a buffer and hands it to a device a chunk at a time, so that a large file is neither
// held whole in memory nor written in many small pieces. Every write is checked; once one has failed,
// nothing more is written.
class ChunkedWriter
{
public:
    static constexpr qsizetype kChunkSize = 1 << 20;

    // When a hasher is given, every byte handed to the device is added to it as well.
    explicit ChunkedWriter(QIODevice& device, ContentHasher* hasher = nullptr);

    // Output is appended here; writeIfFull() after each line or record passes it on.
    [[nodiscard]] QByteArray& buffer() { return m_buffer; }
    // Writes the buffer once it holds a chunk.
    void writeIfFull();
    // Writes the buffer, then the bytes where they lie.
    void write(QByteArrayView bytes);
    // Writes what is left. False when a write failed.
    [[nodiscard]] bool finish();

private:
    void writeBuffer();

    QIODevice& m_device;
    ContentHasher* m_hasher;
    QByteArray m_buffer;
    bool m_failed = false;
};

} // namespace tallyfox
