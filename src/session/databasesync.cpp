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

// A database that may not be replaced is left as it is; its entries can still go to another file.
FileResult withSaveAsHint(const FileResult& result)
{
    if (result.error() != FileError::ReadOnly && result.error() != FileError::HardLinked)
        return result;
    return FileResult::writeFailure(
        result.error(), result.path(),
        QCoreApplication::translate(
            "Problems", "%1 It was left as it is; use Save as to keep the changes in another file.")
            .arg(result.reason()));
}

} // namespace

DatabaseSync::DatabaseSync(AppState& state, ProblemList& problems) : m_state(state), m_problems(problems) {}

DatabaseSync::~DatabaseSync() = default;

FileResult DatabaseSync::load(DatabaseReadPurpose purpose)
{
    DatabaseFileVersion version;
    DatabaseReadSummary summary;
    const FileResult read = readDatabaseFile(m_state, &version, &summary, purpose);
    if (!read.ok())
        return read;
    if (purpose == DatabaseReadPurpose::Totals)
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
    if (m_knownVersion->stamp && hashFile(path) == m_knownVersion->hash) {
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
    m_knownVersion = version;
    m_otherLines = summary.otherLines;
    return true;
}

FileResult DatabaseSync::keepBackup()
{
    const QString& path = m_state.databasePath;
    const bool dropsLines = m_otherLines > 0;
    if (!dropsLines && m_backedUp.contains(path))
        return {};
    // Beside the file itself, however it is reached, so that every path to it keeps one backup.
    const QString backup = FileLock::realPath(path) + QStringLiteral(".bak");
    if (fileStamp(path)) {
        const FileResult copied = copyFileAtomically(path, backup);
        if (copied.error() == FileError::NotOwned) {
            // A database that two users share: the other's backup stays, and the save goes on.
            m_problems.tell(QCoreApplication::translate(
                                "Problems", "The previous version of \"%1\" was not kept: \"%2\" belongs to "
                                            "another user and is left as it is.")
                                .arg(path, backup));
        } else if (!copied.replaced()) {
            return FileResult::writeFailure(
                copied.error(), path,
                QCoreApplication::translate(
                    "Problems", "its previous version could not be kept as \"%1\" (%2), so it was not "
                                "changed.")
                    .arg(backup, copied.reason()));
        }
    }
    m_backedUp.insert(path);
    if (dropsLines) {
        m_problems.tell(
            m_otherLines == 1
                ? QCoreApplication::translate(
                      "Problems", "1 line of \"%1\" was not an entry; the file as it was is kept as \"%2\".")
                      .arg(path, backup)
                : QCoreApplication::translate(
                      "Problems",
                      "%1 lines of \"%2\" were not entries; the file as it was is kept as \"%3\".")
                      .arg(QString::number(m_otherLines), path, backup));
    }
    return {};
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
    // A file that may not be replaced is refused before anything, its backup too, is written.
    m_lastWrite = withSaveAsHint(checkReplaceable(m_state.databasePath, HardLinks::Refuse));
    if (m_lastWrite.ok())
        m_lastWrite = keepBackup();
    if (m_lastWrite.ok()) {
        DatabaseFileVersion written;
        m_lastWrite = withSaveAsHint(writeDatabaseFile(m_state, &written));
        // Not synced is written all the same: the file holds the change, and the journal is done.
        if (m_lastWrite.replaced()) {
            m_knownVersion = written;
            m_knownPath = m_state.databasePath;
            m_journal.clear();
            m_otherLines = 0;
        }
    }
    m_problems.report(m_lastWrite, ProblemTopic::Database);
}

} // namespace tallyfox
