#pragma once

#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/filelock.h"
#include "platform/filesystem.h"
#include "platform/registry.h"
#include "session/changejournal.h"
#include "session/problems.h"
#include "storage/databasefile.h"
#include "storage/editlog.h"
#include "storage/settingssave.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tallyfox {

// Why storing entries does not write a file that Open or start-up found to be no database.
inline constexpr char16_t kNotDatabaseKeptInMemory[] =
    u"It is not a Tallyfox database, so the entries are kept "
    u"in memory only. Use Save as to keep them in a database.";

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
    // The receipt is the number the program proposed (proposedReceiptNumber), not one the user typed: an
    // entry that took that number meanwhile moves it on to the next free one when the entry is stored.
    bool receiptProposed = false;
};

// The program's work without windows, shared by the forms and the command-line tool: every change to
// the entries or files, with its log lines. Failures never stop the work: each leaves a message, naming
// the file and the reason, and the entries in memory stay. Those messages and what start-up has to tell
// wait in one queue for the caller to show (takeMessages).
// The settings are kept in the registry it is given, which must outlive it.
// Every write of the database holds its write lock and first checks that the file is still the version
// this session last read or wrote; when another program changed it, the file is read afresh and the
// changes not yet written (the journal) are made again on what it holds, so nothing written elsewhere is
// lost. The first write of a run to a file keeps the file as it was beside it, as NAME.bak.
class Session
{
public:
    Session(AppState& state, const Clock& clock, Registry& registry);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    [[nodiscard]] AppState& state() { return m_state; }
    [[nodiscard]] const AppState& state() const { return m_state; }
    [[nodiscard]] const Clock& clock() const { return m_clock; }
    [[nodiscard]] Registry& registry() { return m_registry; }
    [[nodiscard]] const Registry& registry() const { return m_registry; }
    [[nodiscard]] EditLog& log() { return m_log; }

    // Messages for the user since the last call, in the order they arose.
    [[nodiscard]] QStringList takeMessages();
    // The same, with what each is about.
    [[nodiscard]] QList<Problem> takeProblems();
    void tell(const QString& message);
    // Queues the failure's message; nothing on success, and a log failure only when it is new.
    void report(const FileResult& result, ProblemTopic topic = ProblemTopic::File);
    void report(const LogResult& result);
    // How many failures have been reported so far: a caller tells a failure apart from a notice.
    [[nodiscard]] int failureCount() const { return m_failureCount; }
    // Keeps the first of the failures that wait for the same file and reason: start-up meets a file that
    // fails in several steps.
    void removeRepeatedMessages();

    // Every change ends in the one refresh path. The main window installs its own, which rebuilds the
    // list around refreshEntries; without a window refreshEntries runs alone.
    void setRefreshHandler(std::function<void(bool forceSort)> handler)
    {
        m_refreshHandler = std::move(handler);
    }
    void refreshList(bool forceSort);
    // Sorts when AutoSort is on or forced, clears the JustChanged markers and returns their rows (unless
    // the run only adds one entry, when no row is built), then writes the database. When another
    // program changed the file, the journal is first made again on what it holds now; nothing is written
    // when none of it could be.
    std::vector<int> refreshEntries(bool forceSort);
    // Reads the database again when another program changed it since this session last read or wrote it,
    // and applies the changes that are not yet in the file to what was read. True when the entries were
    // replaced, so that a window rebuilds its list. The main window calls it when its file watcher fires.
    bool reloadIfChangedElsewhere();

    // The outcome of the last refresh's database write: a failure means entries in memory are not in
    // the file.
    [[nodiscard]] const FileResult& lastDatabaseWrite() const { return m_lastDatabaseWrite; }

    void logMessage(const QString& text);

    // Reads the file at state.databasePath into the entries and remembers the version read; the journal
    // starts empty. A non-empty file that holds no database is refused (UnknownContent) and gives no
    // entries; any other failure leaves the entries as they were.
    FileResult loadDatabase();

    // A database that exists but could not be read may hold entries that are not in memory: no refresh
    // writes over it until New, Open or Save as names a file, and storing entries then reports once
    // that they are kept in memory only. The reason says why the file was not read; the default is a
    // file that could not be read.
    void protectUnreadDatabase(const QString& reason = {});

    // Entries that no file holds and no refresh will write: added while the database is a file that
    // could not be read or is no database (protectUnreadDatabase). Only Save as keeps them.
    [[nodiscard]] bool hasEntriesOnlyInMemory() const;

    void newDatabase(const QString& path);
    // A file that is no database is named at once; it shows as an empty list and is never replaced.
    void openDatabase(const QString& path);
    void saveDatabaseAs(const QString& path);

    // Logs the entry as deleted, removes it and refreshes.
    void deleteEntry(int index);
    // Removes the entry at index (the later ones move down), logged as deleted when asked.
    void removeEntryAt(int index, bool logIt);
    // Notes an entry that the caller removed from the entries, so that the file loses it too even when
    // another program changed the file meanwhile.
    void noteRemoved(const Expense& entry) { m_journal.deleted(entry); }

    // Choosing the current key again reverses the order; another key sorts forwards.
    void chooseSortKey(SortKey key);
    void toggleAutoSort();
    void toggleReverse();

    // The receipt number a new receipt is offered: the counter's, or one more than the highest numeric
    // receipt when an entry already holds the counter's number. What the editor shows is what it stores.
    [[nodiscard]] qint64 proposedReceiptNumber() const;

    // Stores a new entry (no index) or changes the entry at index, as the item editor does: receipt
    // numbering, the log lines, the remembered choices, then the refresh. An index that names no entry
    // changes nothing.
    void storeEntry(const EntryDraft& draft, std::optional<int> editIndex = std::nullopt);
    // Changes the entry that the editor showed as original, at editIndex unless the entries were read
    // afresh meanwhile (another program changed the file) and moved it; then it is found by its fields,
    // and when it is gone the user is told and nothing changes.
    void storeEntry(const EntryDraft& draft, int editIndex, const Expense& original);

    // Writes the export file; changes nothing else.
    FileResult exportData(const QString& path);

    // Stores the settings the program changed since they were loaded or last saved; the values that
    // another process stored meanwhile stay. saveSettings reports a failure, storeSettings returns it.
    void saveSettings();
    FileResult storeSettings(ReceiptNumberSave receipt = ReceiptNumberSave::NeverBack);
    // Start-up records the settings as the registry held them, before it closes the keys it read.
    void rememberStoredSettings(const StoredSettings& stored) { m_settingsAsStored = stored; }

private:
    // What checking the file under the lock found.
    enum class FileCheck
    {
        Unchanged,
        Reloaded,
        Failed,
    };

    [[nodiscard]] bool isProtected() const;
    FileLock& writeLock();
    // Under the lock: reads the file afresh when another program changed it and replays the journal.
    FileCheck checkFile(FileResult& failure);
    void writeDatabase();
    FileResult keepBackup();
    void notApplied(const std::vector<Expense>& entries);
    // Forget what was known of the file: the next write replaces it without a check.
    void forgetFile();

    AppState& m_state;
    Clock m_clock;
    Registry& m_registry;
    EditLog m_log;
    QList<Problem> m_problems;
    std::function<void(bool)> m_refreshHandler;
    QString m_unreadDatabase;
    QString m_unreadReason;
    bool m_unreadReported = false;
    FileResult m_lastDatabaseWrite;
    int m_failureCount = 0;

    std::unique_ptr<FileLock> m_writeLock;
    bool m_lockJustFailed = false;
    QString m_writeLockPath;
    // The version of the file at m_knownPath last read or written; nothing: no check before a write.
    std::optional<DatabaseFileVersion> m_knownVersion;
    QString m_knownPath;
    ChangeJournal m_journal;
    // Lines of the file last read that are not entries: the next write drops them.
    qsizetype m_otherLines = 0;
    // The files whose previous version this run has kept.
    QSet<QString> m_backedUp;
    StoredSettings m_settingsAsStored;
};

} // namespace tallyfox
