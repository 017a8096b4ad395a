// The session's database transactions: the write lock, the check for changes made elsewhere, the
// backup and the write.
#include "core/sorting.h"
#include "core/textforms.h"
#include "session/session.h"

namespace tallyfox {

namespace {

// Changes that could not be made are told one by one up to this many, then counted.
constexpr size_t kNotAppliedToldOneByOne = 3;

QString entryDescription(const Expense& entry, const UserLocale& locale)
{
    return QStringLiteral("\"%1\" of %2 (%3 %4)")
        .arg(entry.type, dateText(entry.date, locale), amountText(entry.amount), entry.currency);
}

FileResult lockFailure(const FileLock& lock, const QString& path)
{
    return lock.failure(path, QStringLiteral("the database is busy: another program is writing it. "
                                             "Nothing was changed; try again."));
}

// A database that may not be replaced is left as it is; its entries can still go to another file.
FileResult withSaveAsHint(const FileResult& result)
{
    if (result.error() != FileError::ReadOnly && result.error() != FileError::HardLinked)
        return result;
    return FileResult::writeFailure(
        result.error(), result.path(),
        result.reason() +
            QStringLiteral(" It was left as it is; use Save as to keep the changes in another file."));
}

} // namespace

bool Session::isProtected() const
{
    return !m_unreadDatabase.isEmpty() && m_unreadDatabase == m_state.databasePath;
}

void Session::protectUnreadDatabase(const QString& reason)
{
    m_unreadDatabase = m_state.databasePath;
    m_unreadReason = reason;
    m_unreadReported = false;
}

FileLock& Session::writeLock()
{
    if (!m_writeLock || m_writeLockPath != m_state.databasePath) {
        // A lock that is held is never swapped: the path cannot change while one transaction runs.
        if (!m_writeLock || !m_writeLock->isLocked()) {
            m_writeLock = std::make_unique<FileLock>(m_state.databasePath, LockPurpose::Write);
            m_writeLockPath = m_state.databasePath;
        }
    }
    return *m_writeLock;
}

void Session::forgetFile()
{
    m_knownVersion.reset();
    m_knownPath.clear();
    m_journal.clear();
    m_otherLines = 0;
}

FileResult Session::loadDatabase()
{
    DatabaseFileVersion version;
    DatabaseReadSummary summary;
    const FileResult read = readDatabaseFile(m_state, &version, &summary);
    if (!read.ok())
        return read;
    m_journal.clear();
    m_knownVersion = version;
    m_knownPath = m_state.databasePath;
    m_otherLines = summary.otherLines;
    if (summary.isNotDatabase()) {
        m_state.entries.clear();
        m_otherLines = 0;
        return FileResult::readFailure(FileError::UnknownContent, m_state.databasePath,
                                       QStringLiteral("This is not a Tallyfox database, so it is left as "
                                                      "it is."));
    }
    return {};
}

Session::FileCheck Session::checkFile(FileResult& failure)
{
    const QString& path = m_state.databasePath;
    if (!m_knownVersion || m_knownPath != path)
        return FileCheck::Unchanged;
    const std::optional<FileStamp> stamp = fileStamp(path);
    // A file that vanished is written anew from the entries in memory.
    if (!stamp || stamp == m_knownVersion->stamp)
        return FileCheck::Unchanged;
    // A touch, or a copy of the same bytes, is no change.
    if (m_knownVersion->stamp && hashFile(path) == m_knownVersion->hash) {
        m_knownVersion->stamp = stamp;
        return FileCheck::Unchanged;
    }

    AppState fresh(m_state.locale.locale());
    fresh.databasePath = path;
    DatabaseFileVersion version;
    DatabaseReadSummary summary;
    failure = readDatabaseFile(fresh, &version, &summary);
    if (failure.ok() && summary.isNotDatabase())
        failure = FileResult::readFailure(FileError::UnknownContent, path,
                                          QStringLiteral("Another program replaced it with something that "
                                                         "is not a Tallyfox database; it is left as it is."));
    if (!failure.ok())
        return FileCheck::Failed;
    notApplied(m_journal.replayOn(fresh.entries));
    m_state.entries.swap(fresh.entries);
    m_knownVersion = version;
    m_otherLines = summary.otherLines;
    return FileCheck::Reloaded;
}

void Session::notApplied(const std::vector<Expense>& entries)
{
    for (size_t i = 0; i < entries.size() && i < kNotAppliedToldOneByOne; ++i)
        tell(QStringLiteral("The entry %1 was changed or deleted elsewhere; your change was not applied.")
                 .arg(entryDescription(entries[i], m_state.locale)));
    if (entries.size() > kNotAppliedToldOneByOne)
        tell(QStringLiteral("%1 more entries were changed or deleted elsewhere; your changes to them were "
                            "not applied.")
                 .arg(entries.size() - kNotAppliedToldOneByOne));
}

std::vector<int> Session::refreshEntries(bool forceSort)
{
    FileLock& lock = writeLock();
    const bool locked =
        lock.lock(std::exchange(m_lockJustFailed, false) ? std::chrono::milliseconds(0) : kWriterLockWait);
    FileResult failure;
    FileCheck check = FileCheck::Unchanged;
    if (locked && !isProtected())
        check = checkFile(failure);

    const Settings& settings = m_state.settings;
    if (settings.autoSort || forceSort)
        sortEntries(m_state.entries, m_state.entryCount(), {settings.sortKey, settings.sortReverse},
                    m_state.locale);
    std::vector<int> justChanged;
    if (!m_state.quickEntryOnly) {
        for (int i = 0; i < m_state.entryCount(); ++i) {
            if (m_state.entries[i].justChanged) {
                m_state.entries[i].justChanged = false;
                justChanged.push_back(i);
            }
        }
    }

    if (!locked) {
        m_lastDatabaseWrite = lockFailure(lock, m_state.databasePath);
        report(m_lastDatabaseWrite, ProblemTopic::Database);
    } else if (check == FileCheck::Failed) {
        m_lastDatabaseWrite = failure;
        report(failure, ProblemTopic::Database);
    } else if (check == FileCheck::Reloaded && m_journal.isEmpty() && !forceSort) {
        // What the file holds now is what is shown; nothing of this session's is left to write.
        m_lastDatabaseWrite = {};
    } else {
        writeDatabase();
    }
    if (locked)
        lock.unlock();
    return justChanged;
}

bool Session::reloadIfChangedElsewhere()
{
    if (isProtected())
        return false;
    FileLock& lock = writeLock();
    if (!lock.lock())
        return false;
    FileResult failure;
    const FileCheck check = checkFile(failure);
    report(failure, ProblemTopic::Database);
    // The changes made again on the file's entries are written at once, under the same lock.
    if (check == FileCheck::Reloaded && !m_journal.isEmpty())
        refreshList(false);
    lock.unlock();
    return check == FileCheck::Reloaded;
}

FileResult Session::keepBackup()
{
    const QString& path = m_state.databasePath;
    const bool dropsLines = m_otherLines > 0;
    if (!dropsLines && m_backedUp.contains(path))
        return {};
    const QString backup = path + QStringLiteral(".bak");
    if (fileStamp(path)) {
        const FileResult copied = copyFileAtomically(path, backup);
        if (!copied.replaced())
            return FileResult::writeFailure(
                copied.error(), path,
                QStringLiteral("its previous version could not be kept as \"%1\" (%2), so it was not "
                               "changed.")
                    .arg(backup, copied.reason()));
    }
    m_backedUp.insert(path);
    if (dropsLines) {
        tell(
            m_otherLines == 1
                ? QStringLiteral("1 line of \"%1\" was not an entry; the file as it was is kept as \"%2\".")
                      .arg(path, backup)
                : QStringLiteral("%1 lines of \"%2\" were not entries; the file as it was is kept as \"%3\".")
                      .arg(QString::number(m_otherLines), path, backup));
    }
    return {};
}

void Session::writeDatabase()
{
    if (isProtected()) {
        m_lastDatabaseWrite = {};
        if (m_state.entryCount() == 0)
            return;
        const QString reason = !m_unreadReason.isEmpty()
                                   ? m_unreadReason
                                   : QStringLiteral("It could not be read, so writing it would replace the "
                                                    "entries it holds. Use Save as to keep the changes.");
        m_lastDatabaseWrite = FileResult::writeFailure(FileError::ContentNotRead, m_unreadDatabase, reason);
        if (!m_unreadReported) {
            m_unreadReported = true;
            report(m_lastDatabaseWrite, ProblemTopic::Database);
        }
        return;
    }
    // An empty table is not written over a file that Open found empty.
    m_lastDatabaseWrite = {};
    if (m_state.keepFileIfEmpty && m_state.entryCount() == 0)
        return;
    m_lastDatabaseWrite = keepBackup();
    if (m_lastDatabaseWrite.ok()) {
        DatabaseFileVersion written;
        m_lastDatabaseWrite = withSaveAsHint(writeDatabaseFile(m_state, &written));
        // Not synced is written all the same: the file holds the change, and the journal is done.
        if (m_lastDatabaseWrite.replaced()) {
            m_knownVersion = written;
            m_knownPath = m_state.databasePath;
            m_journal.clear();
            m_otherLines = 0;
        }
    }
    report(m_lastDatabaseWrite, ProblemTopic::Database);
}

} // namespace tallyfox
