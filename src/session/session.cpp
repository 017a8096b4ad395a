#include "session/session.h"

#include "core/daycount.h"
#include "core/sorting.h"
#include "session/exportfile.h"
#include "storage/databasefile.h"
#include "storage/settingssave.h"

namespace tallyfox {

Session::Session(AppState& state, const Clock& clock, const QString& registryFile)
    : m_state(state), m_clock(clock), m_registryFile(registryFile), m_log(clock)
{}

QStringList Session::takeProblems()
{
    return std::exchange(m_problems, {});
}

void Session::report(const FileResult& result)
{
    if (!result.ok())
        m_problems << result.message();
}

void Session::report(const LogResult& result)
{
    if (!result.ok() && result.isNewFailure())
        m_problems << result.message();
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
    if (settings.AutoSort || forceSort)
        SortEntries(m_state.Entries, m_state.EntryCount(), {settings.SortType, settings.SortReverse},
                    m_state.Locale);
    std::vector<int> justChanged;
    if (!m_state.QuickEntryOnly) {
        for (int i = 0; i < m_state.EntryCount(); ++i) {
            if (m_state.Entries[i].JustChanged) {
                m_state.Entries[i].JustChanged = false;
                justChanged.push_back(i);
            }
        }
    }
    writeDatabase();
    return justChanged;
}

void Session::protectUnreadDatabase()
{
    m_unreadDatabase = m_state.DatabasePath;
    m_unreadReported = false;
}

void Session::writeDatabase()
{
    if (m_unreadDatabase.isEmpty() || m_unreadDatabase != m_state.DatabasePath) {
        report(WriteDatabase(m_state));
        return;
    }
    if (m_state.EntryCount() > 0 && !m_unreadReported) {
        m_unreadReported = true;
        report(FileResult::writeFailure(
            m_unreadDatabase, QStringLiteral("It could not be read, so writing it would replace the "
                                             "entries it holds. Use Save as to keep the changes.")));
    }
}

void Session::logMessage(const QString& text)
{
    report(m_log.LogMessage(m_state, text));
}

void Session::newDatabase(const QString& path)
{
    m_state.DatabasePath = path;
    m_state.Entries.clear();
    // The new file is written even when Open had found the previous one empty.
    m_state.KeepFileIfEmpty = false;
    m_unreadDatabase.clear();
    refreshList(false);
    logMessage(QStringLiteral("New file: ") + path);
}

void Session::openDatabase(const QString& path)
{
    const QString previous = m_state.DatabasePath;
    m_state.DatabasePath = path;
    const FileResult read = ReadDatabase(m_state);
    if (!read.ok()) {
        // The entries in memory stay with the file they came from.
        m_state.DatabasePath = previous;
        report(read);
        return;
    }
    m_state.KeepFileIfEmpty = true;
    m_unreadDatabase.clear();
    refreshList(false);
    logMessage(QStringLiteral("Open file: ") + path);
}

void Session::saveDatabaseAs(const QString& path)
{
    m_state.DatabasePath = path;
    // The chosen file is written even when the table is empty.
    m_state.KeepFileIfEmpty = false;
    m_unreadDatabase.clear();
    refreshList(false);
    logMessage(QStringLiteral("Save as file: ") + path);
}

void Session::deleteEntry(int index)
{
    if (index < 0 || index >= m_state.EntryCount())
        return;
    removeEntryAt(index, true);
    refreshList(false);
}

void Session::removeEntryAt(int index, bool logIt)
{
    if (index < 0 || index >= m_state.EntryCount())
        return;
    if (logIt)
        report(m_log.LogEntry(m_state, LogEditType::Delete, index));
    m_state.Entries.removeAt(index);
}

void Session::chooseSortKey(quint16 key)
{
    Settings& settings = m_state.settings;
    settings.SortReverse = key == settings.SortType ? !settings.SortReverse : false;
    settings.SortType = key;
    refreshList(true);
}

void Session::toggleAutoSort()
{
    m_state.settings.AutoSort = !m_state.settings.AutoSort;
    refreshList(false);
}

void Session::toggleReverse()
{
    m_state.settings.SortReverse = !m_state.settings.SortReverse;
    refreshList(true);
}

void Session::storeEntry(const EntryDraft& draft, std::optional<int> editIndex)
{
    // An edit of an entry that is gone changes nothing; it must not turn into a new entry.
    if (editIndex && (*editIndex < 0 || *editIndex >= m_state.EntryCount()))
        return;
    Settings& settings = m_state.settings;
    const bool editing = editIndex.has_value();
    QString receipt = draft.receipt;
    int target = 0;
    LogEditType logType = LogEditType::New;
    if (!editing) {
        target = m_state.EntryCount();
        m_state.Entries.append();
        if (!draft.hasReceipt)
            receipt = QStringLiteral("00");
        else
            ++settings.NextReceiptNum;
        settings.LasthasReceipt = draft.hasReceipt;
    } else {
        target = *editIndex;
        report(m_log.LogEntry(m_state, LogEditType::EditFrom, target));
        logType = LogEditType::EditTo;
        if (!m_state.Entries[target].HasReceipt && draft.hasReceipt)
            ++settings.NextReceiptNum;
    }

    TExpense& entry = m_state.Entries[target];
    entry.Type = draft.type;
    entry.Currency = draft.currency;
    entry.Date = dayCountFromQDate(draft.date);
    entry.Amount = draft.amount;
    entry.IntendedSource = draft.intendedSource;
    entry.PaidWith = draft.paidWith;
    entry.Income = draft.income;
    entry.Note = draft.note;
    entry.HasReceipt = draft.hasReceipt;
    entry.Receipt = receipt;
    entry.JustChanged = true;

    report(m_log.LogEntry(m_state, logType, target));
    settings.Lastusedcurrency = draft.currency;
    settings.Lastpaidwith = draft.paidWith;
    settings.Lastintendedsource = draft.intendedSource;
    refreshList(false);
}

FileResult Session::exportData(const QString& path)
{
    return writeExportFile(m_state, path);
}

void Session::saveSettings()
{
    report(SaveSettings(m_state, m_registryFile));
}

} // namespace tallyfox
