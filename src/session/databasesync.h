// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "platform/filelock.h"
#include "platform/filesystem.h"
#include "session/changejournal.h"
#include "session/databasewrite.h"
#include "session/problems.h"
#include "storage/databasefile.h"

#include <QSet>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tallyfox {

// The database's life on disk: its write lock, the version last read or written, the changes not yet in
// the file (the journal), the backup before the first write of a run, and a file that must not be
// written because it could not be read. Every write holds the lock and first checks that the file is
// still the version last read or written; when another program changed it, the file is read afresh and
// the journal is made again on what it holds, so nothing written elsewhere is lost.
class DatabaseSync
{
public:
    DatabaseSync(AppState& state, ProblemList& problems);
    ~DatabaseSync();
    DatabaseSync(const DatabaseSync&) = delete;
    DatabaseSync& operator=(const DatabaseSync&) = delete;

    // Reads the file at state.databasePath into the entries and remembers the version read; the journal
    // starts empty. A non-empty file that holds no database is refused (UnknownContent) and gives no
    // entries; any other failure leaves the entries as they were. Entries read for their totals alone are
    // never written. Given sinks, the entries read go to them instead, and none stay in memory.
    FileResult load(DatabaseReadPurpose purpose = DatabaseReadPurpose::Everything,
                    EntrySinks* sinks = nullptr);
    // Forgets what was known of the file: the next write replaces it without a check.
    void forget();
    // Whether path names the file whose version is known, however it is reached.
    [[nodiscard]] bool isKnownFile(const QString& path) const;

    // A database that exists but could not be read may hold entries that are not in memory: no write
    // goes over it until New, Open or Save as names a file, and a write then reports once that the
    // entries are kept in memory only. The reason says why; the default is a file that could not be read.
    void protectUnread(const QString& reason = {});
    void endProtection() { m_unreadDatabase.clear(); }
    [[nodiscard]] bool isProtected() const;

    [[nodiscard]] ChangeJournal& journal() { return m_journal; }
    // Tells the user of changes that could not be made because their entries changed elsewhere.
    void tellNotApplied(const std::vector<Expense>& entries);

    // One read-change-write of the file under its lock.
    struct Transaction
    {
        bool locked = false;
        bool reloaded = false;
        // Why the file could not be checked; ok otherwise.
        FileResult failure;
    };
    // Takes the lock, waiting up to wait, and catches up with a file that another program changed. A
    // write still running is stopped, as the refresh's own write will hold its entries, while its oldest
    // change is younger than kSupersedeWithin; an older one is waited for, so that no change waits for
    // the disk for long.
    [[nodiscard]] Transaction begin(std::chrono::milliseconds wait = kWriterLockWait);
    // Writes the entries (unless the file was reloaded and nothing is left to write, and the write is
    // not forced), reports what failed and lets go of the lock.
    void finish(const Transaction& transaction, bool forceWrite);
    // Lets go of the lock of a transaction begun ahead of a refresh, which took it once more.
    void release() { writeLock().unlock(); }
    // Reads the file again when another program changed it; true when the entries were replaced. The
    // journal's changes, made again, are for the caller to write.
    [[nodiscard]] bool catchUp();

    // The outcome of the last write: a failure means entries in memory are not in the file. A write
    // still running counts as a success until it is settled.
    [[nodiscard]] const FileResult& lastWrite() const { return m_lastWrite; }

    // From now on the file is written on a thread of its own, so that a change does not wait for the
    // disk; the write lock stays held until the write is settled. written is called on the writing
    // thread when a write is done: its owner then calls settle() on its own thread. Nothing (an empty
    // function) makes writes wait for the disk again, as they do at first.
    void writeInBackground(std::function<void()> written);
    // Waits for a write still running and takes in its outcome: the version written, the journal's
    // changes it holds, what it reports. Every other call here settles first, and so does the end.
    void settle();
    // The same for a write that has ended; one still running goes on (a notice of an earlier write may
    // arrive after the next one began).
    void settleIfWritten();
    [[nodiscard]] bool isWriting() const { return m_running != nullptr; }

    static constexpr std::chrono::milliseconds kSupersedeWithin{500};

private:
    FileLock& writeLock();
    // Under the lock: reads the file afresh when another program changed it and replays the journal.
    [[nodiscard]] bool reloadIfChanged(FileResult& failure);
    void write();
    void takeIn(const DatabaseWriteJob& job, const DatabaseWriteOutcome& outcome);

    AppState& m_state;
    ProblemList& m_problems;
    QString m_unreadDatabase;
    QString m_unreadReason;
    bool m_unreadReported = false;
    FileResult m_lastWrite;
    std::unique_ptr<FileLock> m_writeLock;
    QString m_writeLockPath;
    // The version of the file at m_knownPath last read or written; nothing: no check before a write.
    std::optional<DatabaseFileVersion> m_knownVersion;
    QString m_knownPath;
    ChangeJournal m_journal;
    // Lines of the file last read that are not entries: the next write drops them.
    qsizetype m_otherLines = 0;
    // The lines of the file last read for a change, for the writes to copy where entries are unchanged.
    std::shared_ptr<const StoredLines> m_storedLines;
    // The files whose previous version this run has kept.
    QSet<QString> m_backedUp;
    std::function<void()> m_written;
    bool m_inBackground = false;
    std::unique_ptr<BackgroundWrite> m_running;
    // When the first change that is not yet on disk was handed to a write; nothing while all are.
    std::optional<std::chrono::steady_clock::time_point> m_unwrittenSince;
};

} // namespace tallyfox
