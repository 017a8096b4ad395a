// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/databasefile.h"

#include "platform/chunkedwriter.h"
#include "platform/descriptordevice.h"
#include "storage/databaseline.h"
#include "storage/databaselinewriter.h"
#include "storage/databasereader.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tallyfox {

namespace {

// Read a chunk at a time: small enough to stay in the cache, and few fresh pages for its buffer.
constexpr qint64 kReadChunk = 1 << 18;
// A database shows itself in its first bytes: a longer file whose first ones hold neither the header nor
// an entry line is none, and is not read any further.
constexpr qsizetype kJudgedBytes = 8192;
// No entry line comes near this length; a longer line is skipped as it is read, never held whole.
constexpr qsizetype kLongestLine = 1 << 20;
// A file of this size or more is read by two threads at once, each taking one half; a smaller one is
// read before a second thread would have started.
constexpr qint64 kSplitFileSize = qint64(4) << 20;
// Entries of about that size of file, written by two threads.
constexpr int kSplitEntryCount = 50000;
// The lines made before the buffer is looked at: about 64 KB.
constexpr int kLinesBetweenWrites = 1024;
// The lines that two threads make in turns, a piece each: about 650 KB.
constexpr int kPieceEntries = 8192;

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

qint64 readAt(int fd, char* into, qint64 size, qint64 offset)
{
    for (;;) {
        const ssize_t got = ::pread(fd, into, size_t(size), off_t(offset));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

// A part of a file to read: its lines from begin up to end (-1: to the end of the file); the bytes
// before hashEnd (-1: all) are hashed; room is made for the entries of roomFor bytes.
struct FilePart
{
    qint64 begin = 0;
    qint64 end = -1;
    qint64 hashEnd = -1;
    qint64 roomFor = 0;
};

struct PartRead
{
    FileRead read = FileRead::Read;
    int error = 0;
};

// Reads a part of the open file into the reader in one pass, a chunk at a time through one buffer, so
// a large file never needs room for all of its bytes at once; its bytes are hashed as they come. The
// part from the start of the file stops at once when its first bytes show that the file is no database.
PartRead readFileLines(int fd, const FilePart& part, DatabaseReader& reader, ContentHasher* hasher)
{
    QByteArray buffer;
    qint64 position = part.begin;
    qsizetype carried = 0;
    bool skipping = false;
    bool first = true;
    for (;;) {
        buffer.resize(carried + kReadChunk);
        const qint64 wanted = part.end < 0 ? kReadChunk : std::min(kReadChunk, part.end - position);
        const qint64 got = wanted > 0 ? readAt(fd, buffer.data() + carried, wanted, position) : 0;
        if (got < 0)
            return {FileRead::Unreadable, errno};
        const QByteArrayView fresh(buffer.constData() + carried, got);
        if (first) {
            first = false;
            if (part.begin == 0 && got > kJudgedBytes && startsLikeNoDatabase(fresh.first(kJudgedBytes)))
                return {FileRead::NoDatabase};
            reader.reserve(guessedLines(fresh, part.roomFor));
        }
        if (hasher) {
            const qint64 hashed =
                part.hashEnd < 0 ? got : std::clamp<qint64>(part.hashEnd - position, 0, got);
            hasher->add(fresh.first(hashed));
        }
        position += got;
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
            reader.readLines(bytes, position - bytes.size());
            return {};
        }
        // The complete lines go on; the start of the next line waits for the next chunk, and so does a
        // line whose CR ends the chunk, as its LF may follow: each line is read whole, with its line
        // end. The bytes carried over hold no line end, so only the new ones are searched, and a line of
        // many chunks costs no more than its bytes.
        qsizetype complete = bytes.size();
        while (complete > carried && bytes[complete - 1] != '\n' &&
               (bytes[complete - 1] != '\r' || complete == bytes.size()))
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
        reader.readLines(bytes.first(complete), position - bytes.size());
        carried = bytes.size() - complete;
        std::memmove(buffer.data(), buffer.constData() + complete, static_cast<size_t>(carried));
    }
}

// Where a large file is cut for two readers: the start of the first line after the middle. The bytes
// between the middle (a block boundary of the hash) and the cut are given back for the second hasher.
// Nothing when no line ends soon after the middle.
std::optional<qint64> cutForTwoReaders(int fd, qint64 fileSize, qint64 middle, QByteArray& beforeCut)
{
    beforeCut.resize(kReadChunk);
    qint64 position = middle;
    qsizetype held = 0;
    while (held < kLongestLine && position < fileSize) {
        beforeCut.resize(held + kReadChunk);
        const qint64 got = readAt(fd, beforeCut.data() + held, kReadChunk, position);
        if (got <= 0)
            return std::nullopt;
        for (qsizetype i = held; i < held + got; ++i) {
            if (isLineEnd(beforeCut[i])) {
                // A CR LF stays whole.
                if (beforeCut[i] == '\r' && i + 1 < held + got && beforeCut[i + 1] == '\n')
                    ++i;
                beforeCut.resize(i + 1);
                return middle + i + 1;
            }
        }
        held += got;
        position += got;
    }
    return std::nullopt;
}

void mergeSummaries(DatabaseReadSummary& into, const DatabaseReadSummary& later)
{
    into.headerSeen = into.headerSeen || later.headerSeen;
    into.entryLines += later.entryLines;
    into.otherLines += later.otherLines;
}

// Reads the whole file: a large one in two halves at once, on this thread and another.
PartRead readWholeFile(int fd, qint64 fileSize, DatabaseReader& reader, ContentHasher* hasher)
{
    const qint64 middle = fileSize / 2 / ContentHasher::kBlock * ContentHasher::kBlock;
    QByteArray beforeCut;
    const std::optional<qint64> cut = fileSize >= kSplitFileSize && middle > 0
                                          ? cutForTwoReaders(fd, fileSize, middle, beforeCut)
                                          : std::nullopt;
    if (!cut)
        return readFileLines(fd, {.roomFor = fileSize}, reader, hasher);

    const std::unique_ptr<DatabaseReader> secondReader = reader.forLaterPart();
    ContentHasher secondHasher(middle);
    PartRead secondRead;
    std::thread second([&] {
        if (hasher)
            secondHasher.add(beforeCut);
        secondRead = readFileLines(fd, {.begin = *cut, .roomFor = fileSize - *cut}, *secondReader,
                                   hasher ? &secondHasher : nullptr);
    });
    PartRead firstRead =
        readFileLines(fd, {.end = *cut, .hashEnd = middle, .roomFor = fileSize}, reader, hasher);
    second.join();
    if (firstRead.read != FileRead::Read)
        return firstRead;
    if (secondRead.read != FileRead::Read)
        return secondRead;
    if (hasher)
        hasher->join(secondHasher);
    const int firstCount = reader.entries().count();
    reader.entries().appendAll(secondReader->entries());
    if (StoredLines* lines = reader.lines()) {
        const quint32 before = lines->appendLater(std::move(*secondReader->lines()));
        ExpenseArray& entries = reader.entries();
        for (int i = firstCount; i < entries.count(); ++i) {
            if (entries[i].storedLine != 0)
                entries[i].storedLine += before;
        }
    }
    DatabaseReadSummary summary = reader.summary();
    mergeSummaries(summary, secondReader->summary());
    reader.setSummary(summary);
    return {};
}

// The lines of the first and the last entries, copied from the file that they were read from.
struct CopiedLines
{
    DescriptorDevice& device;
    const KeptFile& source;
    StoredLines::Runs runs;

    // Writes what the writer holds, then the run's lines.
    bool copy(ChunkedWriter& out, const StoredLines::Run& run) const
    {
        out.write({});
        return run.entries == 0 || device.copyFrom(source.handle(), run.begin, run.end - run.begin);
    }
};

// Makes and writes the lines of entries from up to count on this thread. False when stop came first.
template <typename Stopped>
bool writeLinesHere(ChunkedWriter& out, const ExpenseArray& entries, int from, int count,
                    const Stopped& stopped)
{
    DatabaseLineWriter writer(out.buffer());
    for (int i = from; i < count; ++i) {
        writer.appendEntry(entries[i]);
        if ((i - from) % kLinesBetweenWrites == kLinesBetweenWrites - 1) {
            if (stopped())
                return false;
            writer.settle();
            out.writeIfFull();
        }
    }
    return true;
}

// The same with many entries: this thread and another make the lines a piece at a time, each into a
// buffer of its own, and take turns writing the pieces in order. Both cores make lines and no more than
// two pieces are held: a million entries' lines gathered in memory cost 40 MB of fresh pages.
template <typename Stopped>
bool writeLinesInTurns(ChunkedWriter& out, const ExpenseArray& entries, int from, int count,
                       const Stopped& stopped)
{
    const int pieces = (count - from + kPieceEntries - 1) / kPieceEntries;
    std::mutex mutex;
    std::condition_variable turnTaken;
    int turn = 0; // the piece to write next; pieces when stop came
    bool cut = false;
    const auto makePieces = [&](int first) {
        QByteArray piece;
        DatabaseLineWriter writer(piece);
        for (int k = first; k < pieces; k += 2) {
            if (stopped()) {
                const std::lock_guard lock(mutex);
                turn = pieces;
                cut = true;
                turnTaken.notify_all();
                return;
            }
            const int end = std::min(count, from + (k + 1) * kPieceEntries);
            for (int i = from + k * kPieceEntries; i < end; ++i)
                writer.appendEntry(entries[i]);
            writer.settle();
            std::unique_lock lock(mutex);
            turnTaken.wait(lock, [&] { return turn >= k; });
            if (turn > k)
                return;
            out.write(piece);
            ++turn;
            turnTaken.notify_all();
            lock.unlock();
            piece.resize(0);
        }
    };
    std::thread helper(makePieces, 1);
    makePieces(0);
    helper.join();
    return !cut;
}

// False when stop was set before all the lines were made, or the lines to copy could not be.
bool writeDatabaseLines(ChunkedWriter& out, const ExpenseArray& entries, int count,
                        const std::atomic<bool>* stop = nullptr, const CopiedLines* copied = nullptr)
{
    const auto stopped = [stop] {
        return stop != nullptr && stop->load(std::memory_order_relaxed);
    };
    out.buffer().append(kDatabaseHeader);
    out.buffer().append("\r\n");
    // The lines made are those between the runs copied.
    int from = 0;
    if (copied != nullptr) {
        if (stopped() || !copied->copy(out, copied->runs.first))
            return false;
        from = copied->runs.first.entries;
        count -= copied->runs.last.entries;
    }
    const bool made = count - from >= kSplitEntryCount ? writeLinesInTurns(out, entries, from, count, stopped)
                                                       : writeLinesHere(out, entries, from, count, stopped);
    if (!made)
        return false;
    return copied == nullptr || copied->copy(out, copied->runs.last);
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
                            DatabaseReadPurpose purpose, EntrySinks* sinks,
                            std::shared_ptr<const StoredLines>* lines)
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
    ContentHasher hasher;
    DatabaseReader reader(purpose, sinks);
    // Entries read for their totals are never written, so nothing asks whether the file still holds them.
    const bool hashing = purpose != DatabaseReadPurpose::Totals;
    const PartRead read = readWholeFile(file.handle(), file.size(), reader, hashing ? &hasher : nullptr);
    if (read.read == FileRead::NoDatabase) {
        parseDatabase({}, state.entries);
        if (version)
            *version = {stamp, 0};
        if (summary)
            *summary = {.otherLines = 1};
        return {};
    }
    if (read.read == FileRead::Unreadable)
        return FileResult::systemFailure(FileAction::Read, path, read.error);
    state.entries.swap(reader.entries());
    if (lines && reader.lines() != nullptr && stamp && reader.lines()->keepFile(file.handle(), *stamp))
        *lines = std::make_shared<const StoredLines>(std::move(*reader.lines()));
    if (version) {
        version->stamp = stamp;
        version->hash = hashing ? std::optional(hasher.result()) : std::nullopt;
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
                                DatabaseFileVersion* version, const std::atomic<bool>* stop,
                                const StoredLines* lines)
{
    ContentHasher hasher;
    bool copying = false;
    FileResult result = writeFileAtomically(
        path,
        [&](QIODevice& device) {
            const auto makeAll = [&] {
                copying = false;
                hasher = {};
                ChunkedWriter out(device, &hasher);
                return writeDatabaseLines(out, entries, count, stop) && out.finish();
            };
            // The first and the last entries, while they are still the file's lines, are copied from it.
            auto* direct = dynamic_cast<DescriptorDevice*>(&device);
            const KeptFile* source = direct != nullptr && lines != nullptr ? lines->file() : nullptr;
            const StoredLines::Runs runs =
                source != nullptr ? lines->unchangedRuns(entries, count) : StoredLines::Runs();
            if (runs.first.entries == 0 && runs.last.entries == 0)
                return makeAll();
            copying = true;
            // The copied bytes are not looked at, so this version's hash stays unknown.
            {
                ChunkedWriter out(device);
                const CopiedLines copied{*direct, *source, runs};
                if (writeDatabaseLines(out, entries, count, stop, &copied) && out.finish() &&
                    source->unchanged())
                    return true;
            }
            if (source->unchanged() || (stop != nullptr && stop->load()))
                return false;
            // Someone wrote to the file while it was copied: the lines are all made instead.
            return direct->restart() && makeAll();
        },
        HardLinks::Refuse);
    if (version && result.replaced()) {
        version->stamp = fileStamp(path);
        version->hash = copying ? std::nullopt : std::optional(hasher.result());
    }
    return result;
}

} // namespace tallyfox
