// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/databasesync.h"

#include "core/textforms.h"

#include <QCoreApplication>

namespace tallyfox {

namespace {

// Changes that could not be made are told one by one up to this many, then counted.
constexpr size_t kNotAppliedToldOneByOne = 3;

QString entryDescription(const Expense& entry, const UserLocale& locale)
{
    return QCoreApplication::translate("Problems", "\"%1\" of %2 (%3 %4)")
        .arg(entry.type, dateText(entry.date, locale), amountText(entry.amount), entry.currency);
}

FileResult lockFailure(const FileLock& lock, const QString& path)
{
    return lock.failure(
        path, QCoreApplication::translate("Problems", "the database is busy: another program is writing it. "
                                                      "Nothing was changed; try again."));
}

} // namespace

DatabaseSync::DatabaseSync(AppState& state, ProblemList& problems) : m_state(state), m_problems(problems) {}

DatabaseSync::~DatabaseSync()
{
    settle();
}

FileResult DatabaseSync::load(DatabaseReadPurpose purpose, EntrySinks* sinks)
{
    settle();
    DatabaseFileVersion version;
    DatabaseReadSummary summary;
    std::shared_ptr<const StoredLines> lines;
    const FileResult read = readDatabaseFile(m_state, &version, &summary, purpose, sinks, &lines);
    if (!read.ok())
        return read;
    m_storedLines = std::move(lines);
    if (purpose == DatabaseReadPurpose::Totals || sinks != nullptr)
        protectUnread(QCoreApplication::translate(
            "Problems", "It was read for its totals alone, without receipt numbers and notes, "
                        "so writing it would lose them."));
    m_journal.clear();
    m_knownVersion = version;
    m_knownPath = m_state.databasePath;
    m_otherLines = summary.otherLines;
    if (summary.isNotDatabase()) {
        m_state.entries.clear();
        m_otherLines = 0;
        return FileResult::readFailure(
            FileError::UnknownContent, m_state.databasePath,
            QCoreApplication::translate("Problems", "This is not a Tallyfox database, so it is left as "
                                                    "it is."));
    }
    return {};
}

void DatabaseSync::forget()
{
    settle();
    m_knownVersion.reset();
    m_knownPath.clear();
    m_journal.clear();
    m_otherLines = 0;
}

bool DatabaseSync::isKnownFile(const QString& path) const
{
    return FileLock::realPath(path) == FileLock::realPath(m_state.databasePath);
}

void DatabaseSync::protectUnread(const QString& reason)
{
    settle();
    m_unreadDatabase = m_state.databasePath;
    m_unreadReason = reason;
    m_unreadReported = false;
}

bool DatabaseSync::isProtected() const
{
    return !m_unreadDatabase.isEmpty() && m_unreadDatabase == m_state.databasePath;
}

void DatabaseSync::tellNotApplied(const std::vector<Expense>& entries)
{
    for (size_t i = 0; i < entries.size() && i < kNotAppliedToldOneByOne; ++i)
        m_problems.tell(
            QCoreApplication::translate(
                "Problems", "The entry %1 was changed or deleted elsewhere; your change was not applied.")
                .arg(entryDescription(entries[i], m_state.locale)));
    if (entries.size() > kNotAppliedToldOneByOne)
        m_problems.tell(QCoreApplication::translate(
                            "Problems", "%1 more entries were changed or deleted elsewhere; your changes to "
                                        "them were not applied.")
                            .arg(entries.size() - kNotAppliedToldOneByOne));
}

FileLock& DatabaseSync::writeLock()
{
    // A lock that is held is never swapped: the path cannot change while one transaction runs.
    if ((!m_writeLock || m_writeLockPath != m_state.databasePath) &&
        (!m_writeLock || !m_writeLock->isLocked())) {
        m_writeLock = std::make_unique<FileLock>(m_state.databasePath, LockPurpose::Write);
        m_writeLockPath = m_state.databasePath;
    }
    return *m_writeLock;
}

DatabaseSync::Transaction DatabaseSync::begin(std::chrono::milliseconds wait)
{
    if (m_running && !m_running->isDone() && m_unwrittenSince &&
        std::chrono::steady_clock::now() - *m_unwrittenSince < kSupersedeWithin)
        m_running->stop();
    settle();
    Transaction transaction;
    transaction.locked = writeLock().lock(wait);
    if (transaction.locked && !isProtected())
        transaction.reloaded = reloadIfChanged(transaction.failure);
    return transaction;
}

void DatabaseSync::finish(const Transaction& transaction, bool forceWrite)
{
    FileLock& lock = writeLock();
    if (!transaction.locked) {
        m_lastWrite = lockFailure(lock, m_state.databasePath);
        m_problems.report(m_lastWrite, ProblemTopic::Database);
        return;
    }
    if (!transaction.failure.ok()) {
        m_lastWrite = transaction.failure;
        m_problems.report(m_lastWrite, ProblemTopic::Database);
    } else if (transaction.reloaded && m_journal.isEmpty() && !forceWrite) {
        // What the file holds now is what is shown; nothing of this session's is left to write.
        m_lastWrite = {};
    } else {
        write();
    }
    lock.unlock();
}

bool DatabaseSync::catchUp()
{
    settle();
    if (isProtected())
        return false;
    FileLock& lock = writeLock();
    if (!lock.lock())
        return false;
    FileResult failure;
    const bool reloaded = reloadIfChanged(failure);
    m_problems.report(failure, ProblemTopic::Database);
    lock.unlock();
    return reloaded;
}

bool DatabaseSync::reloadIfChanged(FileResult& failure)
{
    const QString& path = m_state.databasePath;
    if (!m_knownVersion || m_knownPath != path)
        return false;
    const std::optional<FileStamp> stamp = fileStamp(path);
    // A file that vanished is written anew from the entries in memory.
    if (!stamp || stamp == m_knownVersion->stamp)
        return false;
    // A touch, or a copy of the same bytes, is no change.
    if (m_knownVersion->stamp && m_knownVersion->hash && hashFile(path) == m_knownVersion->hash) {
        m_knownVersion->stamp = stamp;
        return false;
    }

    AppState fresh(m_state.locale.locale());
    fresh.databasePath = path;
    DatabaseFileVersion version;
    DatabaseReadSummary summary;
    failure = readDatabaseFile(fresh, &version, &summary);
    if (failure.ok() && summary.isNotDatabase())
        failure = FileResult::readFailure(
            FileError::UnknownContent, path,
            QCoreApplication::translate("Problems", "Another program replaced it with something that "
                                                    "is not a Tallyfox database; it is left as it is."));
    if (!failure.ok())
        return false;
    tellNotApplied(m_journal.replayOn(fresh.entries));
    m_state.entries.swap(fresh.entries);
    m_storedLines.reset();
    m_knownVersion = version;
    m_otherLines = summary.otherLines;
    return true;
}

void DatabaseSync::write()
{
    if (isProtected()) {
        m_lastWrite = {};
        if (m_state.entryCount() == 0)
            return;
        const QString reason = !m_unreadReason.isEmpty()
                                   ? m_unreadReason
                                   : QCoreApplication::translate(
                                         "Problems", "It could not be read, so writing it would replace the "
                                                     "entries it holds. Use Save as to keep the changes.");
        m_lastWrite = FileResult::writeFailure(FileError::ContentNotRead, m_unreadDatabase, reason);
        if (!m_unreadReported) {
            m_unreadReported = true;
            m_problems.report(m_lastWrite, ProblemTopic::Database);
        }
        return;
    }
    // An empty table is not written over a file that Open found empty.
    m_lastWrite = {};
    if (m_state.keepFileIfEmpty && m_state.entryCount() == 0)
        return;
    DatabaseWriteJob job;
    job.path = m_state.databasePath;
    job.entries = m_state.entries;
    job.count = m_state.entryCount();
    job.otherLines = m_otherLines;
    job.keepBackup = m_otherLines > 0 || !m_backedUp.contains(job.path);
    job.journalChanges = m_journal.changes().size();
    job.storedLines = m_storedLines;
    if (!m_inBackground) {
        takeIn(job, runDatabaseWrite(job));
        return;
    }
    // The lock is held for the write: finish() lets go of its own hold, settle() of this one.
    if (!writeLock().lock(std::chrono::milliseconds(0))) {
        takeIn(job, runDatabaseWrite(job));
        return;
    }
    if (!m_unwrittenSince)
        m_unwrittenSince = std::chrono::steady_clock::now();
    m_running = std::make_unique<BackgroundWrite>(std::move(job), m_written);
}

void DatabaseSync::takeIn(const DatabaseWriteJob& job, const DatabaseWriteOutcome& outcome)
{
    // The next write holds its entries, makes its backup again (at once: the file is as it was) and
    // tells what there is to tell; its changes stay in the journal until then.
    if (outcome.superseded)
        return;
    m_unwrittenSince.reset();
    for (const QString& text : outcome.told)
        m_problems.tell(text);
    if (outcome.backedUp)
        m_backedUp.insert(job.path);
    m_lastWrite = outcome.result;
    // Not synced is written all the same: the file holds the change, and the journal is done.
    if (m_lastWrite.replaced()) {
        m_knownVersion = outcome.written;
        m_knownPath = job.path;
        m_journal.dropFirst(job.journalChanges);
        m_otherLines = 0;
    }
    m_problems.report(m_lastWrite, ProblemTopic::Database);
}

void DatabaseSync::writeInBackground(std::function<void()> written)
{
    settle();
    m_inBackground = static_cast<bool>(written);
    m_written = std::move(written);
}

void DatabaseSync::settleIfWritten()
{
    if (m_running && m_running->isDone())
        settle();
}

void DatabaseSync::settle()
{
    if (!m_running)
        return;
    // Taken off first: what the outcome reports may lead back here.
    const std::unique_ptr<BackgroundWrite> running = std::move(m_running);
    const DatabaseWriteOutcome& outcome = running->wait();
    takeIn(running->job(), outcome);
    // The lock taken for the write; it is never swapped while held.
    m_writeLock->unlock();
}

} // namespace tallyfox
