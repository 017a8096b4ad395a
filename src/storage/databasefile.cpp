#include "storage/databasefile.h"

#include "platform/chunkedwriter.h"
#include "storage/databaseline.h"
#include "storage/databaselinewriter.h"
#include "storage/databasereader.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <optional>

namespace tallyfox {

namespace {

constexpr qint64 kReadChunk = 1 << 20;

// No entry line is shorter than 8 bytes, so a file of empty lines does not reserve room for entries.
qsizetype databaseLinesBound(qsizetype lineFeeds, qsizetype bytes)
{
    return std::min(lineFeeds + 1, bytes / 8 + 1);
}

// The number of lines of a file, counted a chunk at a time. Nothing when it cannot be read.
std::optional<qsizetype> countFileLines(QFile& file, QByteArray& buffer)
{
    qsizetype lineFeeds = 0;
    qsizetype bytes = 0;
    buffer.resize(kReadChunk);
    for (;;) {
        const qint64 got = file.read(buffer.data(), kReadChunk);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return databaseLinesBound(lineFeeds, bytes);
        lineFeeds += countLineFeeds(QByteArrayView(buffer.constData(), got));
        bytes += got;
    }
}

// Reads the open file into the reader a chunk at a time through one buffer, so a large file never
// needs room for all of its bytes at once. False when the file cannot be read.
bool readFileLines(QFile& file, QByteArray& buffer, DatabaseReader& reader)
{
    qsizetype carried = 0;
    for (;;) {
        buffer.resize(carried + kReadChunk);
        const qint64 got = file.read(buffer.data() + carried, kReadChunk);
        if (got < 0)
            return false;
        const QByteArrayView bytes(buffer.constData(), carried + got);
        if (got == 0) {
            // The last line needs no line end.
            reader.readLines(bytes);
            return true;
        }
        // The complete lines go on; the start of the next line waits for the next chunk. A CR LF cut
        // in two leaves an empty line, which is no entry. The bytes carried over hold no line end, so
        // only the new ones are searched, and a line of many chunks costs no more than its bytes.
        qsizetype complete = bytes.size();
        while (complete > carried && bytes[complete - 1] != '\n' && bytes[complete - 1] != '\r')
            --complete;
        if (complete == carried) {
            carried = bytes.size();
            continue;
        }
        reader.readLines(bytes.first(complete));
        carried = bytes.size() - complete;
        std::memmove(buffer.data(), buffer.constData() + complete, static_cast<size_t>(carried));
    }
}

} // namespace

void parseDatabase(QByteArrayView content, ExpenseArray& entries)
{
    DatabaseReader reader;
    reader.reserve(databaseLinesBound(countLineFeeds(content), content.size()));
    reader.readLines(content);
    entries.swap(reader.entries());
}

bool writeDatabaseContent(QIODevice& device, const ExpenseArray& entries, int count)
{
    ChunkedWriter out(device);
    out.buffer().append(kDatabaseHeader);
    out.buffer().append("\r\n");
    DatabaseLineWriter writer(out.buffer());
    for (int i = 0; i < count; ++i) {
        writer.appendEntry(entries[i]);
        out.writeIfFull();
    }
    return out.finish();
}

FileResult readDatabaseFile(AppState& state, DatabaseFileVersion* version, DatabaseReadSummary* summary)
{
    // Stubs until the reader counts lines and hashes what it reads.
    if (version)
        version->stamp = fileStamp(state.databasePath);
    if (summary)
        *summary = {};
    const QString& path = state.databasePath;
    if (!QFileInfo(path).isFile()) {
        // Missing (no entries), a folder or no regular file: the whole-file reader tells which.
        const FileContent content = readWholeFile(path);
        if (!content.result.ok())
            return content.result;
        parseDatabase(content.bytes, state.entries);
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return FileResult::deviceFailure(FileAction::Read, path, file);
    QByteArray buffer;
    DatabaseReader reader;
    const std::optional<qsizetype> lines = countFileLines(file, buffer);
    if (!lines || !file.seek(0))
        return FileResult::deviceFailure(FileAction::Read, path, file);
    reader.reserve(*lines);
    if (!readFileLines(file, buffer, reader))
        return FileResult::deviceFailure(FileAction::Read, path, file);
    state.entries.swap(reader.entries());
    return {};
}

FileResult writeDatabaseFile(const AppState& state, DatabaseFileVersion* version)
{
    if (state.keepFileIfEmpty && state.entryCount() == 0)
        return {};
    FileResult result = writeFileAtomically(state.databasePath, [&state](QIODevice& device) {
        return writeDatabaseContent(device, state.entries, state.entryCount());
    });
    if (version && result.ok())
        version->stamp = fileStamp(state.databasePath);
    return result;
}

} // namespace tallyfox
