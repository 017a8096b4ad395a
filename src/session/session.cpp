// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/session.h"

#include "core/daycount.h"
#include "core/sorting.h"
#include "core/textforms.h"
#include "session/exportfile.h"
#include "session/receiptnumbers.h"
#include "session/sessioncommand.h"
#include "storage/settingssave.h"

#include <QCoreApplication>
#include <algorithm>

namespace tallyfox {

Session::Session(AppState& state, const Clock& clock, Registry& registry)
    : m_state(state), m_clock(clock), m_registry(registry), m_log(clock), m_database(state, m_problems)
{}

Session::~Session() = default;

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

std::vector<int> Session::refreshEntries(bool forceSort)
{
    const DatabaseSync::Transaction transaction = m_database.begin(
        std::exchange(m_lockJustFailed, false) ? std::chrono::milliseconds(0) : kWriterLockWait);
    const Settings& settings = m_state.settings;
    if (transaction.reloaded)
        ++m_reloads;
    if (settings.autoSort || forceSort)
        m_lastSortOrder = sortEntriesTracked(m_state.entries, m_state.entryCount(),
                                             {settings.sortKey, settings.sortReverse}, m_state.locale);
    std::vector<int> justChanged;
    if (!m_state.quickEntryOnly) {
        for (int i = 0; i < m_state.entryCount(); ++i) {
            if (m_state.entries[i].justChanged) {
                m_state.entries[i].justChanged = false;
                justChanged.push_back(i);
            }
        }
    }
    m_database.finish(transaction, forceSort);
    ++m_refreshes;
    return justChanged;
}

bool Session::reloadIfChangedElsewhere()
{
    if (!m_database.catchUp())
        return false;
    ++m_reloads;
    // The changes made again on the file's entries are written at once.
    if (!m_database.journal().isEmpty())
        refreshList(false);
    return true;
}

bool Session::hasEntriesOnlyInMemory() const
{
    return m_database.isProtected() && m_state.entryCount() > 0;
}

CommandOutcome Session::newDatabase(const QString& path)
{
    const Command command(*this);
    m_state.databasePath = path;
    m_state.entries.clear();
    // The new file is written even when Open had found the previous one empty.
    m_state.keepFileIfEmpty = false;
    m_database.endProtection();
    m_database.forget();
    m_history.clear();
    refreshList(false);
    logMessage(QStringLiteral("New file: ") + path);
    return command.done();
}

CommandOutcome Session::openDatabase(const QString& path)
{
    const Command command(*this);
    const QString previous = m_state.databasePath;
    m_state.databasePath = path;
    const FileResult read = m_database.load();
    m_database.endProtection();
    if (read.error() == FileError::UnknownContent) {
        // Said at once, and shown as the empty list it reads as, but never replaced.
        report(read, ProblemTopic::Database);
        m_database.protectUnread(QCoreApplication::translate("Problems", kNotDatabaseKeptInMemory));
    } else if (!read.ok()) {
        // The entries in memory stay with the file they came from.
        m_state.databasePath = previous;
        report(read, ProblemTopic::Database);
        return command.done(false);
    }
    m_state.keepFileIfEmpty = true;
    m_history.clear();
    refreshList(false);
    logMessage(QStringLiteral("Open file: ") + path);
    return command.done();
}

CommandOutcome Session::saveDatabaseAs(const QString& path)
{
    const Command command(*this);
    // Another file is replaced as chosen; the same file is still checked for changes made elsewhere.
    if (!m_database.isKnownFile(path))
        m_database.forget();
    m_state.databasePath = path;
    // The chosen file is written even when the table is empty.
    m_state.keepFileIfEmpty = false;
    m_database.endProtection();
    m_history.clear();
    refreshList(false);
    logMessage(QStringLiteral("Save as file: ") + path);
    return command.done();
}

CommandOutcome Session::deleteEntry(int index)
{
    const Command command(*this);
    if (index < 0 || index >= m_state.entryCount())
        return command.done(false);
    Expense deleted = m_state.entries[index];
    deleted.justChanged = false;
    removeEntryAt(index, true);
    refreshList(false);
    CommandOutcome outcome = command.done();
    if (outcome.stored()) {
        m_history.record({QCoreApplication::translate("UndoHistory", "delete %1")
                              .arg(entryCaption(deleted, m_state.settings.incomeIsPositive)),
                          RemovedEntries{{{index, deleted}}, {}}});
    }
    return outcome;
}

void Session::removeEntryAt(int index, bool logIt)
{
    if (index < 0 || index >= m_state.entryCount())
        return;
    if (logIt)
        report(m_log.logEntry(m_state, LogEditType::Delete, index));
    m_database.journal().deleted(m_state.entries[index]);
    m_state.entries.removeAt(index);
}

SortState Session::sortState() const
{
    const Settings& settings = m_state.settings;
    return {settings.sortKey, settings.sortReverse, settings.autoSort};
}

void Session::recordSort(const QString& what, const SortState& before, const CommandOutcome& outcome)
{
    if (outcome.stored())
        m_history.record(
            {what, ReorderedEntries{before, sortState(), std::move(m_lastSortOrder), m_reloads}});
    m_lastSortOrder.clear();
}

CommandOutcome Session::chooseSortKey(SortKey key)
{
    const Command command(*this);
    const SortState before = sortState();
    Settings& settings = m_state.settings;
    settings.sortReverse = key == settings.sortKey ? !settings.sortReverse : false;
    settings.sortKey = key;
    m_lastSortOrder.clear();
    refreshList(true);
    CommandOutcome outcome = command.done();
    recordSort(sortCaption(key), before, outcome);
    return outcome;
}

CommandOutcome Session::toggleAutoSort()
{
    const Command command(*this);
    const SortState before = sortState();
    m_state.settings.autoSort = !m_state.settings.autoSort;
    m_lastSortOrder.clear();
    refreshList(false);
    CommandOutcome outcome = command.done();
    recordSort(QCoreApplication::translate("UndoHistory", "autosort"), before, outcome);
    return outcome;
}

CommandOutcome Session::sortBy(SortKey key, bool reverse)
{
    const Command command(*this);
    const SortState before = sortState();
    m_state.settings.sortKey = key;
    m_state.settings.sortReverse = reverse;
    m_lastSortOrder.clear();
    refreshList(true);
    CommandOutcome outcome = command.done();
    recordSort(sortCaption(key), before, outcome);
    return outcome;
}

CommandOutcome Session::toggleReverse()
{
    const Command command(*this);
    const SortState before = sortState();
    m_state.settings.sortReverse = !m_state.settings.sortReverse;
    m_lastSortOrder.clear();
    refreshList(true);
    CommandOutcome outcome = command.done();
    recordSort(QCoreApplication::translate("UndoHistory", "reverse order"), before, outcome);
    return outcome;
}

qint64 Session::proposedReceiptNumber() const
{
    const quint16 counter = m_state.settings.nextReceiptNumber;
    return replacementReceiptNumber(m_state.entries, counter).value_or(counter);
}

CommandOutcome Session::storeEntry(const EntryDraft& draft, std::optional<int> editIndex)
{
    const Command command(*this);
    // An edit of an entry that is gone changes nothing; it must not turn into a new entry.
    if (editIndex && (*editIndex < 0 || *editIndex >= m_state.entryCount()))
        return command.done(false);
    // The new entry's receipt number is checked against the file as it is now, and nobody else may
    // take it before the entry is written: the lock is held until the refresh has written it. A
    // failure to check the file here is the refresh's to report.
    std::optional<DatabaseSync::Transaction> held;
    if (!editIndex)
        held = m_database.begin();
    // The refresh below gives up at once: the holder has had its time.
    m_lockJustFailed = held && !held->locked;

    Settings& settings = m_state.settings;
    QString receipt = draft.hasReceipt ? draft.receipt : QStringLiteral("00");
    // A receipt that the entry gains is checked against the file as it is now: another writer may have
    // taken the number shown.
    const bool gainsReceipt = draft.hasReceipt && (!editIndex || !m_state.entries[*editIndex].hasReceipt);
    if (gainsReceipt) {
        const TakenReceipt taken =
            takeReceiptNumber(m_state.entries, receipt, draft.receiptProposed, settings.nextReceiptNumber);
        receipt = taken.receipt;
        settings.nextReceiptNumber = taken.nextCounter;
    }
    int target = 0;
    std::optional<Expense> before;
    if (!editIndex) {
        target = m_state.entryCount();
        m_state.entries.append();
        settings.lastHasReceipt = draft.hasReceipt;
    } else {
        target = *editIndex;
        before = m_state.entries[target];
        report(m_log.logEntry(m_state, LogEditType::EditFrom, target));
        // An edit keeps the receipt as the draft gives it.
        if (!gainsReceipt)
            receipt = draft.receipt;
    }

    Expense& entry = m_state.entries[target];
    fillEntry(entry, draft, receipt);
    if (before)
        m_database.journal().edited(*before, entry);
    else
        m_database.journal().added(entry);

    report(m_log.logEntry(m_state, before ? LogEditType::EditTo : LogEditType::New, target));
    settings.lastUsedCurrency = draft.currency;
    settings.lastPaidWith = draft.paidWith;
    settings.lastIntendedSource = draft.intendedSource;
    Expense stored = entry;
    stored.justChanged = false;
    refreshList(false);
    if (held && held->locked)
        m_database.release();
    CommandOutcome outcome = command.done();
    if (outcome.stored()) {
        const QString caption = entryCaption(stored, settings.incomeIsPositive);
        if (before) {
            Expense original = *before;
            original.justChanged = false;
            m_history.record({QCoreApplication::translate("UndoHistory", "edit %1").arg(caption),
                              EditedEntry{original, stored}});
        } else {
            m_history.record(
                {QCoreApplication::translate("UndoHistory", "new %1").arg(caption), AddedEntry{stored}});
        }
    }
    return outcome;
}

CommandOutcome Session::storeEntry(const EntryDraft& draft, int editIndex, const Expense& original)
{
    const Command command(*this);
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
        m_database.tellNotApplied({original});
        return command.done(false);
    }
    const CommandOutcome stored = storeEntry(draft, index);
    return command.done(stored.applied);
}

CommandOutcome Session::runCommand(const std::function<bool()>& change)
{
    const Command command(*this);
    const bool applied = change();
    return command.done(applied);
}

FileResult Session::exportData(const QString& path)
{
    return writeExportFile(m_state, path);
}

CommandOutcome Session::saveSettings()
{
    const Command command(*this);
    report(storeSettings(), ProblemTopic::Settings);
    return command.done();
}

FileResult Session::storeSettings(ReceiptNumberSave receipt)
{
    return saveSettingsToRegistry(m_state, m_registry, m_settingsAsStored, receipt);
}

} // namespace tallyfox
