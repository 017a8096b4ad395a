#pragma once

#include <QByteArray>
#include <QIODevice>

namespace tallyfox {

// Gathers output in a buffer and hands it to a device a chunk at a time, so that a large file is neither
// held whole in memory nor written in many small pieces. Every write is checked; once one has failed,
// nothing more is written.
class ChunkedWriter
{
public:
    static constexpr qsizetype kChunkSize = 1 << 20;

    explicit ChunkedWriter(QIODevice& device);

    // Output is appended here; writeIfFull() after each line or record passes it on.
    [[nodiscard]] QByteArray& buffer() { return m_buffer; }
    // Writes the buffer once it holds a chunk.
    void writeIfFull();
    // Writes what is left. False when a write failed.
    [[nodiscard]] bool finish();

private:
    void writeBuffer();

    QIODevice& m_device;
    QByteArray m_buffer;
    bool m_failed = false;
};

} // namespace tallyfox
