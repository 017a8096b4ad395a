#include "platform/chunkedwriter.h"
#include "support/testenvironment.h"

#include <gtest/gtest.h>
#include <vector>

namespace tallyfox {
namespace {

// Keeps what is written and the size of each write.
class RecordingDevice : public QIODevice
{
public:
    RecordingDevice() { open(QIODevice::WriteOnly); }
    QByteArray bytes;
    std::vector<qint64> writes;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        bytes.append(data, length);
        writes.push_back(length);
        return length;
    }
};

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

class ChunkedWriterSizes : public ::testing::TestWithParam<qsizetype>
{};

TEST_P(ChunkedWriterSizes, EverythingArrivesInOrderInWritesOfAtLeastAChunk)
{
    RecordingDevice device;
    ChunkedWriter out(device);
    const QByteArray expected = writeLines(out, GetParam());
    ASSERT_TRUE(out.finish());
    EXPECT_EQ(device.bytes.size(), GetParam());
    EXPECT_EQ(device.bytes, expected);
    for (size_t i = 0; i + 1 < device.writes.size(); ++i)
        EXPECT_GE(device.writes[i], ChunkedWriter::kChunkSize);
    // Nothing to write, no write.
    EXPECT_EQ(device.writes.empty(), GetParam() == 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ChunkedWriterSizes,
                         ::testing::Values(0, 1, ChunkedWriter::kChunkSize - 1, ChunkedWriter::kChunkSize,
                                           3 * ChunkedWriter::kChunkSize + 50));

TEST(ChunkedWriter, NothingIsWrittenAfterAFailedWrite)
{
    // The device takes small writes but not a whole chunk; the short rest after the failed chunk must
    // not land in the file as if it followed the bytes before.
    test::FailingDevice device(1000);
    ChunkedWriter out(device);
    (void)writeLines(out, ChunkedWriter::kChunkSize + 100);
    out.buffer().append("last line\n");
    EXPECT_FALSE(out.finish());
    EXPECT_TRUE(device.written().isEmpty());
}

TEST(ChunkedWriter, AFailureOfTheLastWriteIsReported)
{
    // Room for the first chunk only.
    test::FailingDevice device(ChunkedWriter::kChunkSize + 100);
    ChunkedWriter out(device);
    const QByteArray all = writeLines(out, ChunkedWriter::kChunkSize + 300);
    EXPECT_FALSE(out.finish());
    EXPECT_TRUE(all.startsWith(device.written()));
    EXPECT_LT(device.written().size(), all.size());
}

} // namespace
} // namespace tallyfox
