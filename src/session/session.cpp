#include "session/session.h"

#include "core/daycount.h"
#include "core/sorting.h"
#include "session/exportfile.h"
#include "storage/databasefile.h"
#include "storage/settingssave.h"

namespace tallyfox {

Session::Session(AppState& state, const Clock& clock, Registry& registry)
    : m_state(state), m_clock(clock), m_registry(registry), m_log(clock)
{}

QStringList Session::takeMessages()
{
    return std::exchange(m_messages, {});
}

void Session::tell(const QString& message)
{
    m_messages << message;
}

void Session::report(const FileResult& result)
{
    if (!result.ok())
        tell(result.message());
}

void Session::report(const LogResult& result)
{
    if (!result.ok() && result.isNewFailure())
        tell(result.message());
}

void Session::removeRepeatedMessages()
{
    m_messages.removeDuplicates();
}

void Session::refreshList(bool forceSort)
{
    if (m_refreshHandler)
        m_refreshHandler(forceSort);
    else
        refreshEntries(forceSort);
}

std::vector<int> Session::refreshEntries(bool forceSort)
{
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
    writeDatabase();
    return justChanged;
}

bool Session::reloadIfChangedElsewhere()
{
    return false;
}

void Session::protectUnreadDatabase()
{
    m_unreadDatabase = m_state.databasePath;
    m_unreadReported = false;
}

void Session::writeDatabase()
{
    if (m_unreadDatabase.isEmpty() || m_unreadDatabase != m_state.databasePath) {
        m_lastDatabaseWrite = writeDatabaseFile(m_state);
        report(m_lastDatabaseWrite);
        return;
    }
    m_lastDatabaseWrite = {};
    if (m_state.entryCount() == 0)
        return;
    m_lastDatabaseWrite =
        FileResult::writeFailure(FileError::ContentNotRead, m_unreadDatabase,
                                 QStringLiteral("It could not be read, so writing it would replace the "
                                                "entries it holds. Use Save as to keep the changes."));
    if (!m_unreadReported) {
        m_unreadReported = true;
        report(m_lastDatabaseWrite);
    }
}

void Session::logMessage(const QString& text)
{
    report(m_log.logMessage(m_state, text));
}

void Session::newDatabase(const QString& path)
{
    m_state.databasePath = path;
    m_state.entries.clear();
    // The new file is written even when Open had found the previous one empty.
    m_state.keepFileIfEmpty = false;
    m_unreadDatabase.clear();
    refreshList(false);
    logMessage(QStringLiteral("New file: ") + path);
}

void Session::openDatabase(const QString& path)
{
    const QString previous = m_state.databasePath;
    m_state.databasePath = path;
    const FileResult read = readDatabaseFile(m_state);
    if (!read.ok()) {
        // The entries in memory stay with the file they came from.
        m_state.databasePath = previous;
        report(read);
        return;
    }
    m_state.keepFileIfEmpty = true;
    m_unreadDatabase.clear();
    refreshList(false);
    logMessage(QStringLiteral("Open file: ") + path);
}

void Session::saveDatabaseAs(const QString& path)
{
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

void Session::storeEntry(const EntryDraft& draft, std::optional<int> editIndex)
{
    // An edit of an entry that is gone changes nothing; it must not turn into a new entry.
    if (editIndex && (*editIndex < 0 || *editIndex >= m_state.entryCount()))
        return;
    Settings& settings = m_state.settings;
    const bool editing = editIndex.has_value();
    QString receipt = draft.receipt;
    int target = 0;
    LogEditType logType = LogEditType::New;
    if (!editing) {
        target = m_state.entryCount();
        m_state.entries.append();
        if (!draft.hasReceipt)
            receipt = QStringLiteral("00");
        else
            ++settings.nextReceiptNumber;
        settings.lastHasReceipt = draft.hasReceipt;
    } else {
        target = *editIndex;
        report(m_log.logEntry(m_state, LogEditType::EditFrom, target));
        logType = LogEditType::EditTo;
        if (!m_state.entries[target].hasReceipt && draft.hasReceipt)
            ++settings.nextReceiptNumber;
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

    report(m_log.logEntry(m_state, logType, target));
    settings.lastUsedCurrency = draft.currency;
    settings.lastPaidWith = draft.paidWith;
    settings.lastIntendedSource = draft.intendedSource;
    refreshList(false);
}

FileResult Session::exportData(const QString& path)
{
    return writeExportFile(m_state, path);
}

void Session::saveSettings()
{
    report(storeSettings());
}

FileResult Session::storeSettings(ReceiptNumberSave receipt)
{
    return saveSettingsToRegistry(m_state, m_registry, m_settingsAsStored, receipt);
}

} // namespace tallyfox
