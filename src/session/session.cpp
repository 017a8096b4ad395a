#include "session/session.h"

#include "core/daycount.h"
#include "core/sorting.h"
#include "session/exportfile.h"
#include "session/receiptnumbers.h"
#include "storage/settingssave.h"

#include <algorithm>

namespace tallyfox {

Session::Session(AppState& state, const Clock& clock, Registry& registry)
    : m_state(state), m_clock(clock), m_registry(registry), m_log(clock)
{}

Session::~Session() = default;

QStringList Session::takeMessages()
{
    QStringList texts;
    for (const Problem& problem : takeProblems()) {
        if (!problem.repeated)
            texts << problem.text;
    }
    return texts;
}

QList<Problem> Session::takeProblems()
{
    return std::exchange(m_problems, {});
}

void Session::tell(const QString& message)
{
    m_problems.append({ProblemTopic::Notice, {}, message});
}

void Session::report(const FileResult& result, ProblemTopic topic)
{
    if (result.ok())
        return;
    ++m_failureCount;
    m_problems.append({topic, result, result.message()});
}

void Session::report(const LogResult& result)
{
    if (result.ok())
        return;
    ++m_failureCount;
    m_problems.append({ProblemTopic::Log, result.result(), result.message(), !result.isNewFailure()});
}

void Session::removeRepeatedMessages()
{
    QList<Problem> kept;
    for (Problem& problem : m_problems) {
        const auto same = [&problem](const Problem& earlier) {
            return problem.isFailure() && earlier.isFailure() &&
                   earlier.result.error() == problem.result.error() &&
                   earlier.result.action() == problem.result.action() &&
                   earlier.result.path() == problem.result.path();
        };
        if (std::none_of(kept.cbegin(), kept.cend(), same))
            kept.append(std::move(problem));
    }
    m_problems = std::move(kept);
}

void Session::refreshList(bool forceSort)
{
    if (m_refreshHandler)
        m_refreshHandler(forceSort);
    else
        refreshEntries(forceSort);
}

void Session::logMessage(const QString& text)
{
    report(m_log.logMessage(m_state, text));
}

bool Session::hasEntriesOnlyInMemory() const
{
    return isProtected() && m_state.entryCount() > 0;
}

void Session::newDatabase(const QString& path)
{
    m_state.databasePath = path;
    m_state.entries.clear();
    // The new file is written even when Open had found the previous one empty.
    m_state.keepFileIfEmpty = false;
    m_unreadDatabase.clear();
    forgetFile();
    refreshList(false);
    logMessage(QStringLiteral("New file: ") + path);
}

void Session::openDatabase(const QString& path)
{
    const QString previous = m_state.databasePath;
    m_state.databasePath = path;
    const FileResult read = loadDatabase();
    m_unreadDatabase.clear();
    if (read.error() == FileError::UnknownContent) {
        // Said at once, and shown as the empty list it reads as, but never replaced.
        report(read);
        protectUnreadDatabase(QString::fromUtf16(kNotDatabaseKeptInMemory));
    } else if (!read.ok()) {
        // The entries in memory stay with the file they came from.
        m_state.databasePath = previous;
        report(read);
        return;
    }
    m_state.keepFileIfEmpty = true;
    refreshList(false);
    logMessage(QStringLiteral("Open file: ") + path);
}

void Session::saveDatabaseAs(const QString& path)
{
    // Another file is replaced as chosen; the same file is still checked for changes made elsewhere.
    if (FileLock::realPath(path) != FileLock::realPath(m_state.databasePath))
        forgetFile();
    m_state.databasePath = path;
    // The chosen file is written even when the table is empty.
    m_state.keepFileIfEmpty = false;
    m_unreadDatabase.clear();
    refreshList(false);
    logMessage(QStringLiteral("Save as file: ") + path);
}

void Session::deleteEntry(int index)
{
    if (index < 0 || index >= m_state.entryCount())
        return;
    removeEntryAt(index, true);
    refreshList(false);
}

void Session::removeEntryAt(int index, bool logIt)
{
    if (index < 0 || index >= m_state.entryCount())
        return;
    if (logIt)
        report(m_log.logEntry(m_state, LogEditType::Delete, index));
    m_journal.deleted(m_state.entries[index]);
    m_state.entries.removeAt(index);
}

void Session::chooseSortKey(SortKey key)
{
    Settings& settings = m_state.settings;
    settings.sortReverse = key == settings.sortKey ? !settings.sortReverse : false;
    settings.sortKey = key;
    refreshList(true);
}

void Session::toggleAutoSort()
{
    m_state.settings.autoSort = !m_state.settings.autoSort;
    refreshList(false);
}

void Session::toggleReverse()
{
    m_state.settings.sortReverse = !m_state.settings.sortReverse;
    refreshList(true);
}

qint64 Session::proposedReceiptNumber() const
{
    const quint16 counter = m_state.settings.nextReceiptNumber;
    return replacementReceiptNumber(m_state.entries, counter).value_or(counter);
}

void Session::storeEntry(const EntryDraft& draft, std::optional<int> editIndex)
{
    // An edit of an entry that is gone changes nothing; it must not turn into a new entry.
    if (editIndex && (*editIndex < 0 || *editIndex >= m_state.entryCount()))
        return;
    // The new entry's receipt number is checked against the file as it is now, and nobody else may
    // take it before the entry is written: the lock is held until the refresh has written it.
    FileLock& lock = writeLock();
    const bool locked = !editIndex && lock.lock();
    // The refresh below gives up at once: the holder has had its time.
    m_lockJustFailed = !editIndex && !locked;
    if (locked && !isProtected()) {
        FileResult failure;
        // A failure here is the refresh's to report.
        (void)checkFile(failure);
    }

    Settings& settings = m_state.settings;
    const bool editing = editIndex.has_value();
    QString receipt = draft.receipt;
    int target = 0;
    LogEditType logType = LogEditType::New;
    std::optional<Expense> before;
    if (!editing) {
        if (!draft.hasReceipt) {
            receipt = QStringLiteral("00");
        } else {
            // Checked against the file as it is now: another writer may have taken the number shown.
            const TakenReceipt taken = takeReceiptNumber(m_state.entries, receipt, draft.receiptProposed,
                                                         settings.nextReceiptNumber);
            receipt = taken.receipt;
            settings.nextReceiptNumber = taken.nextCounter;
        }
        target = m_state.entryCount();
        m_state.entries.append();
        settings.lastHasReceipt = draft.hasReceipt;
    } else {
        target = *editIndex;
        before = m_state.entries[target];
        report(m_log.logEntry(m_state, LogEditType::EditFrom, target));
        logType = LogEditType::EditTo;
        if (!m_state.entries[target].hasReceipt && draft.hasReceipt) {
            const TakenReceipt taken = takeReceiptNumber(m_state.entries, receipt, draft.receiptProposed,
                                                         settings.nextReceiptNumber);
            receipt = taken.receipt;
            settings.nextReceiptNumber = taken.nextCounter;
        }
    }

    Expense& entry = m_state.entries[target];
    entry.type = draft.type;
    entry.currency = draft.currency;
    entry.date = dayCountFromQDate(draft.date);
    entry.amount = draft.amount;
    entry.intendedSource = draft.intendedSource;
    entry.paidWith = draft.paidWith;
    entry.income = draft.income;
    entry.note = draft.note;
    entry.hasReceipt = draft.hasReceipt;
    entry.receipt = receipt;
    entry.justChanged = true;
    if (before)
        m_journal.edited(*before, entry);
    else
        m_journal.added(entry);

    report(m_log.logEntry(m_state, logType, target));
    settings.lastUsedCurrency = draft.currency;
    settings.lastPaidWith = draft.paidWith;
    settings.lastIntendedSource = draft.intendedSource;
    refreshList(false);
    if (locked)
        lock.unlock();
}

void Session::storeEntry(const EntryDraft& draft, int editIndex, const Expense& original)
{
    const QByteArray line = storedLine(original);
    const auto isOriginal = [this, &line](int index) {
        return index >= 0 && index < m_state.entryCount() && storedLine(m_state.entries[index]) == line;
    };
    int index = editIndex;
    if (!isOriginal(index)) {
        index = -1;
        for (int i = 0; i < m_state.entryCount() && index < 0; ++i) {
            if (isOriginal(i))
                index = i;
        }
    }
    if (index < 0) {
        notApplied({original});
        return;
    }
    storeEntry(draft, index);
}

FileResult Session::exportData(const QString& path)
{
    return writeExportFile(m_state, path);
}

void Session::saveSettings()
{
    report(storeSettings(), ProblemTopic::Settings);
}

FileResult Session::storeSettings(ReceiptNumberSave receipt)
{
    return saveSettingsToRegistry(m_state, m_registry, m_settingsAsStored, receipt);
}

} // namespace tallyfox
