// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/chunkedwriter.h"
#include "support/testenvironment.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

// Lines of up to 100 bytes, each of its own letter, with writeIfFull() after each as the file writers
// do. Returns what was handed over.
QByteArray writeLines(ChunkedWriter& out, qsizetype bytes)
{
    QByteArray all;
    for (qsizetype written = 0; written < bytes; written += 100) {
        const QByteArray line(std::min<qsizetype>(100, bytes - written), char('a' + written / 100 % 26));
        all += line;
        out.buffer().append(line);
        out.writeIfFull();
    }
    return all;
}

TEST(ChunkedWriter, EverythingArrivesInOrder)
{
    for (const qsizetype size :
         {qsizetype(0), ChunkedWriter::kChunkSize - 1, 3 * ChunkedWriter::kChunkSize + 50}) {
        test::FailingDevice device(1 << 30);
        ChunkedWriter out(device);
        const QByteArray expected = writeLines(out, size);
        EXPECT_TRUE(out.finish());
        EXPECT_EQ(device.written(), expected) << size;
    }
}

TEST(ChunkedWriter, NothingIsWrittenAfterAFailedWrite)
{
    // The device takes small writes but not a whole chunk; the short rest after the failed chunk must
    // not land in the file as if it followed the bytes before.
    test::FailingDevice device(1000);
    ChunkedWriter out(device);
    ASSERT_GT(writeLines(out, ChunkedWriter::kChunkSize + 100).size(), 1000) << "more than the device takes";
    out.buffer().append("last line\n");
    EXPECT_FALSE(out.finish());
    EXPECT_TRUE(device.written().isEmpty());
}

} // namespace
} // namespace tallyfox
