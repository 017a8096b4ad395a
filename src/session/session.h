#pragma once

#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/filesystem.h"
#include "platform/registry.h"
#include "storage/editlog.h"
#include "storage/settingssave.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace tallyfox {

// An entry as the item editor or the command line fills it in, before it is stored.
struct EntryDraft
{
    QString type;
    QString currency;
    QString intendedSource;
    QString paidWith;
    QString note;
    QDate date;
    double amount = 0.0;
    bool income = false;
    bool hasReceipt = false;
    QString receipt;
};

// The program's work without windows, shared by the forms and the command-line tool: every change to
// the entries or files, with its log lines. Failures never stop the work: each leaves a message, naming
// the file and the reason, and the entries in memory stay. Those messages and what start-up has to tell
// wait in one queue for the caller to show (takeMessages).
// The settings are kept in the registry it is given, which must outlive it.
class Session
{
public:
    Session(AppState& state, const Clock& clock, Registry& registry);

    [[nodiscard]] AppState& state() { return m_state; }
    [[nodiscard]] const AppState& state() const { return m_state; }
    [[nodiscard]] const Clock& clock() const { return m_clock; }
    [[nodiscard]] Registry& registry() { return m_registry; }
    [[nodiscard]] const Registry& registry() const { return m_registry; }
    [[nodiscard]] EditLog& log() { return m_log; }

    // Messages for the user since the last call, in the order they arose.
    [[nodiscard]] QStringList takeMessages();
    void tell(const QString& message);
    // Queues the failure's message; nothing on success, and a log failure only when it is new.
    void report(const FileResult& result);
    void report(const LogResult& result);
    // Keeps the first of equal messages that wait: start-up meets a file that fails in several steps.
    void removeRepeatedMessages();

    // Every change ends in the one refresh path. The main window installs its own, which rebuilds the
    // list around refreshEntries; without a window refreshEntries runs alone.
    void setRefreshHandler(std::function<void(bool forceSort)> handler)
    {
        m_refreshHandler = std::move(handler);
    }
    void refreshList(bool forceSort);
    // Sorts when AutoSort is on or forced, clears the JustChanged markers and returns their rows (unless
    // the run only adds one entry, when no row is built), then writes the database.
    std::vector<int> refreshEntries(bool forceSort);
    // Reads the database again when another program changed it since this session last read or wrote it,
    // and applies the changes that are not yet in the file to what was read. True when the entries were
    // replaced, so that a window rebuilds its list. The main window calls it when its file watcher fires.
    bool reloadIfChangedElsewhere();

    // The outcome of the last refresh's database write: a failure means entries in memory are not in
    // the file.
    [[nodiscard]] const FileResult& lastDatabaseWrite() const { return m_lastDatabaseWrite; }

    void logMessage(const QString& text);

    // A database that exists but could not be read may hold entries that are not in memory: no refresh
    // writes over it until New, Open or Save as names a file, and storing entries then reports once
    // that they are kept in memory only.
    void protectUnreadDatabase();

    void newDatabase(const QString& path);
    void openDatabase(const QString& path);
    void saveDatabaseAs(const QString& path);

    // Logs the entry as deleted, removes it and refreshes.
    void deleteEntry(int index);
    // Removes the entry at index (the later ones move down), logged as deleted when asked.
    void removeEntryAt(int index, bool logIt);

    // Choosing the current key again reverses the order; another key sorts forwards.
    void chooseSortKey(SortKey key);
    void toggleAutoSort();
    void toggleReverse();

    // Stores a new entry (no index) or changes the entry at index, as the item editor does: receipt
    // numbering, the log lines, the remembered choices, then the refresh. An index that names no entry
    // changes nothing.
    void storeEntry(const EntryDraft& draft, std::optional<int> editIndex = std::nullopt);

    // Writes the export file; changes nothing else.
    FileResult exportData(const QString& path);

    // Stores the settings the program changed since they were loaded or last saved; the values that
    // another process stored meanwhile stay. saveSettings reports a failure, storeSettings returns it.
    void saveSettings();
    FileResult storeSettings(ReceiptNumberSave receipt = ReceiptNumberSave::NeverBack);
    // Start-up records the settings as the registry held them, before it closes the keys it read.
    void rememberStoredSettings(const StoredSettings& stored) { m_settingsAsStored = stored; }

private:
    void writeDatabase();

    AppState& m_state;
    Clock m_clock;
    Registry& m_registry;
    EditLog m_log;
    QStringList m_messages;
    std::function<void(bool)> m_refreshHandler;
    QString m_unreadDatabase;
    bool m_unreadReported = false;
    FileResult m_lastDatabaseWrite;
    StoredSettings m_settingsAsStored;
};

} // namespace tallyfox
