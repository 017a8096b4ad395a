// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

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
// A database shows itself in its first bytes: a longer file whose first ones hold neither the header nor
// an entry line is none, and is not read any further.
constexpr qsizetype kJudgedBytes = 8192;
// No entry line comes near this length; a longer line is skipped as it is read, never held whole.
constexpr qsizetype kLongestLine = 1 << 20;

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Whether the first bytes of a longer file show that it is no database.
bool startsLikeNoDatabase(QByteArrayView start)
{
    qsizetype complete = start.size();
    while (complete > 0 && !isLineEnd(start[complete - 1]))
        --complete;
    DatabaseReader probe;
    probe.readLines(start.first(complete));
    // A line cut at the end counts as an entry line when its tag is whole.
    const QByteArrayView cut = start.sliced(complete);
    if (const qsizetype tab = cut.indexOf('\t'); tab >= 0)
        probe.readLines(cut.first(tab + 1));
    else if (!cut.trimmed().isEmpty())
        probe.skipLine();
    return probe.summary().isNotDatabase();
}

// No entry line is shorter than 8 bytes, so a file of empty lines does not reserve room for entries.
qsizetype databaseLinesBound(qsizetype lineFeeds, qsizetype bytes)
{
    return std::min(lineFeeds + 1, bytes / 8 + 1);
}

// The room a file of this size is likely to need, guessed from the lines of its first chunk and a
// little over, so that the entries' array is seldom made twice and never far too large.
qsizetype guessedLines(QByteArrayView firstChunk, qint64 fileSize)
{
    const qsizetype chunkLines = countLineFeeds(firstChunk) + 1;
    if (firstChunk.size() >= fileSize)
        return databaseLinesBound(chunkLines - 1, firstChunk.size());
    const double perByte = double(chunkLines) / double(std::max<qsizetype>(1, firstChunk.size()));
    const qint64 guess = qint64(perByte * double(fileSize) * 1.125) + 64;
    return qsizetype(std::min<qint64>(guess, fileSize / 8 + 1));
}

// How reading a file went.
enum class FileRead
{
    Read,
    Unreadable,
    NoDatabase,
};

// Reads the open file into the reader in one pass, a chunk at a time through one buffer, so a large
// file never needs room for all of its bytes at once; its bytes are hashed as they come. Stops at once
// when the first bytes show that the file is no database.
FileRead readFileLines(QFile& file, QByteArray& buffer, DatabaseReader& reader, ContentHasher* hasher)
{
    const qint64 fileSize = file.size();
    qsizetype carried = 0;
    bool skipping = false;
    bool first = true;
    for (;;) {
        buffer.resize(carried + kReadChunk);
        const qint64 got = file.read(buffer.data() + carried, kReadChunk);
        if (got < 0)
            return FileRead::Unreadable;
        const QByteArrayView fresh(buffer.constData() + carried, got);
        if (first) {
            first = false;
            if (got > kJudgedBytes && startsLikeNoDatabase(fresh.first(kJudgedBytes)))
                return FileRead::NoDatabase;
            reader.reserve(guessedLines(fresh, fileSize));
        }
        if (hasher)
            hasher->add(fresh);
        QByteArrayView bytes(buffer.constData(), carried + got);
        if (skipping) {
            // The rest of an overlong line goes up to the next line end.
            qsizetype end = 0;
            while (end < bytes.size() && !isLineEnd(bytes[end]))
                ++end;
            skipping = end == bytes.size() && got > 0;
            bytes = bytes.sliced(end);
            if (skipping)
                continue;
            std::memmove(buffer.data(), bytes.data(), static_cast<size_t>(bytes.size()));
            bytes = QByteArrayView(buffer.constData(), bytes.size());
        }
        if (got == 0) {
            // The last line needs no line end.
            reader.readLines(bytes);
            return FileRead::Read;
        }
        // The complete lines go on; the start of the next line waits for the next chunk. A CR LF cut
        // in two leaves an empty line, which is no entry. The bytes carried over hold no line end, so
        // only the new ones are searched, and a line of many chunks costs no more than its bytes.
        qsizetype complete = bytes.size();
        while (complete > carried && bytes[complete - 1] != '\n' && bytes[complete - 1] != '\r')
            --complete;
        if (complete == carried) {
            carried = bytes.size();
            if (carried > kLongestLine) {
                reader.skipLine();
                carried = 0;
                skipping = true;
            }
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

FileResult readDatabaseFile(AppState& state, DatabaseFileVersion* version, DatabaseReadSummary* summary,
                            DatabaseReadPurpose purpose)
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
    DatabaseReader reader(purpose);
    // Entries read for their totals are never written, so nothing asks whether the file still holds them.
    const bool hashing = purpose == DatabaseReadPurpose::Everything;
    const FileRead read = readFileLines(file, buffer, reader, hashing ? &hasher : nullptr);
    if (read == FileRead::NoDatabase) {
        parseDatabase({}, state.entries);
        if (version)
            *version = {stamp, 0};
        if (summary)
            *summary = {.otherLines = 1};
        return {};
    }
    if (read == FileRead::Unreadable)
        return FileResult::deviceFailure(FileAction::Read, path, file);
    state.entries.swap(reader.entries());
    if (version) {
        version->stamp = stamp;
        version->hash = hashing ? hasher.result() : 0;
    }
    if (summary)
        *summary = reader.summary();
    return {};
}

FileResult writeDatabaseFile(const AppState& state, DatabaseFileVersion* version)
{
    if (state.keepFileIfEmpty && state.entryCount() == 0)
        return {};
    return writeDatabaseEntries(state.databasePath, state.entries, state.entryCount(), version);
}

FileResult writeDatabaseEntries(const QString& path, const ExpenseArray& entries, int count,
                                DatabaseFileVersion* version)
{
    ContentHasher hasher;
    FileResult result = writeFileAtomically(
        path,
        [&](QIODevice& device) {
            hasher = {};
            ChunkedWriter out(device, &hasher);
            writeDatabaseLines(out, entries, count);
            return out.finish();
        },
        HardLinks::Refuse);
    if (version && result.replaced()) {
        version->stamp = fileStamp(path);
        version->hash = hasher.result();
    }
    return result;
}

} // namespace tallyfox
