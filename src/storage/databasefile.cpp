#include "storage/databasefile.h"

#include "platform/chunkedwriter.h"
#include "storage/databaseline.h"
#include "storage/databaselinewriter.h"
#include "storage/databasereader.h"

#include <QByteArray>
#include <QFile>
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

// The number of lines of a file, counted a chunk at a time, while its bytes are hashed. Nothing when it
// cannot be read.
std::optional<qsizetype> countFileLines(QFile& file, QByteArray& buffer, ContentHasher& hasher)
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
        const QByteArrayView chunk(buffer.constData(), got);
        lineFeeds += countLineFeeds(chunk);
        hasher.add(chunk);
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

void writeDatabaseLines(ChunkedWriter& out, const ExpenseArray& entries, int count)
{
    out.buffer().append(kDatabaseHeader);
    out.buffer().append("\r\n");
    DatabaseLineWriter writer(out.buffer());
    for (int i = 0; i < count; ++i) {
        writer.appendEntry(entries[i]);
        out.writeIfFull();
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
    writeDatabaseLines(out, entries, count);
    return out.finish();
}

FileResult readDatabaseFile(AppState& state, DatabaseFileVersion* version, DatabaseReadSummary* summary)
{
    const QString& path = state.databasePath;
    QFile file;
    const FileResult opened = openRegularFile(path, file);
    if (opened.error() == FileError::NotFound) {
        // No file: no entries.
        parseDatabase({}, state.entries);
        if (version)
            *version = {};
        if (summary)
            *summary = {};
        return {};
    }
    if (!opened.ok())
        return opened;
    const std::optional<FileStamp> stamp = fileStamp(file);
    QByteArray buffer;
    ContentHasher hasher;
    DatabaseReader reader;
    const std::optional<qsizetype> lines = countFileLines(file, buffer, hasher);
    if (!lines || !file.seek(0))
        return FileResult::deviceFailure(FileAction::Read, path, file);
    reader.reserve(*lines);
    if (!readFileLines(file, buffer, reader))
        return FileResult::deviceFailure(FileAction::Read, path, file);
    state.entries.swap(reader.entries());
    if (version) {
        version->stamp = stamp;
        version->hash = hasher.result();
    }
    if (summary)
        *summary = reader.summary();
    return {};
}

FileResult writeDatabaseFile(const AppState& state, DatabaseFileVersion* version)
{
    if (state.keepFileIfEmpty && state.entryCount() == 0)
        return {};
    ContentHasher hasher;
    FileResult result = writeFileAtomically(state.databasePath, [&](QIODevice& device) {
        hasher = {};
        ChunkedWriter out(device, &hasher);
        writeDatabaseLines(out, state.entries, state.entryCount());
        return out.finish();
    });
    if (version && result.ok()) {
        version->stamp = fileStamp(state.databasePath);
        version->hash = hasher.result();
    }
    return result;
}

} // namespace tallyfox
