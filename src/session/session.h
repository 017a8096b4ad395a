// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/filesystem.h"
#include "platform/registry.h"
#include "session/databasesync.h"
#include "session/entrydraft.h"
#include "session/exportfile.h"
#include "session/importrows.h"
#include "session/outcome.h"
#include "session/problems.h"
#include "session/undohistory.h"
#include "storage/databasefile.h"
#include "storage/editlog.h"
#include "storage/settingssave.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tallyfox {

// Why storing entries does not write a file that Open or start-up found to be no database.
inline constexpr char kNotDatabaseKeptInMemory[] = QT_TRANSLATE_NOOP(
    "Problems", "It is not a Tallyfox database, so the entries are kept in memory only. Use "
                "Save as to keep them in a database.");

// The program's work without windows, shared by the forms and the command-line tool: every change to
// the entries or files, with its log lines. Failures never stop the work: each leaves a message, naming
// the file and the reason, and the entries in memory stay. The messages wait in one queue for the caller
// to show (takeMessages); each command also gives back what it did and what failed (CommandOutcome), for
// callers that decide by it. The database's life on disk (its lock, changes made elsewhere, the backup)
// is DatabaseSync's. The settings are kept in the registry it is given, which must outlive it.
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
    [[nodiscard]] DatabaseSync& database() { return m_database; }

    // Messages for the user since the last call, in the order they arose.
    [[nodiscard]] QStringList takeMessages() { return shownTexts(m_problems.take()); }
    // The same, with what each is about.
    [[nodiscard]] QList<Problem> takeProblems() { return m_problems.take(); }
    [[nodiscard]] ProblemList& problems() { return m_problems; }
    void tell(const QString& message) { m_problems.tell(message); }
    // Queues the failure's message; nothing on success, and a log failure only when it is new.
    void report(const FileResult& result, ProblemTopic topic = ProblemTopic::File)
    {
        m_problems.report(result, topic);
    }
    void report(const LogResult& result) { m_problems.report(result); }

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
    [[nodiscard]] const FileResult& lastDatabaseWrite() const { return m_database.lastWrite(); }

    void logMessage(const QString& text);

    // Entries that no file holds and no refresh will write: added while the database is a file that
    // could not be read or is no database (DatabaseSync::protectUnread). Only Save as keeps them.
    [[nodiscard]] bool hasEntriesOnlyInMemory() const;

    CommandOutcome newDatabase(const QString& path);
    // A file that is no database is named at once; it shows as an empty list and is never replaced.
    CommandOutcome openDatabase(const QString& path);
    CommandOutcome saveDatabaseAs(const QString& path);

    // Logs the entry as deleted, removes it and refreshes.
    CommandOutcome deleteEntry(int index);
    // Removes the entry at index (the later ones move down), logged as deleted when asked.
    void removeEntryAt(int index, bool logIt);
    // Notes an entry that the caller removed from the entries, so that the file loses it too even when
    // another program changed the file meanwhile.
    void noteRemoved(const Expense& entry) { m_database.journal().deleted(entry); }

    // Choosing the current key again reverses the order; another key sorts forwards.
    CommandOutcome chooseSortKey(SortKey key);
    CommandOutcome toggleAutoSort();
    CommandOutcome toggleReverse();
    // Sorts by the key in the direction given and keeps them as the sort order.
    CommandOutcome sortBy(SortKey key, bool reverse);

    // The receipt number a new receipt is offered: the counter's, or one more than the highest numeric
    // receipt when an entry already holds the counter's number. What the editor shows is what it stores.
    [[nodiscard]] qint64 proposedReceiptNumber() const;

    // Stores a new entry (no index) or changes the entry at index, as the item editor does: receipt
    // numbering, the log lines, the remembered choices, then the refresh. An index that names no entry
    // changes nothing.
    CommandOutcome storeEntry(const EntryDraft& draft, std::optional<int> editIndex = std::nullopt);
    // Changes the entry that the editor showed as original, at editIndex unless the entries were read
    // afresh meanwhile (another program changed the file) and moved it; then it is found by its fields,
    // and when it is gone the user is told and nothing changes.
    CommandOutcome storeEntry(const EntryDraft& draft, int editIndex, const Expense& original);

    // The changes of this run that undo takes back, newest last. New, Open and Save as clear it.
    [[nodiscard]] UndoHistory& history() { return m_history; }
    [[nodiscard]] const UndoHistory& history() const { return m_history; }
    // Takes back the newest change, or makes the last change taken back again. Each is a change like any
    // other: it logs what it does (a deleted entry put back is logged as new) and ends in the refresh.
    // Entries are found by their stored line; one that is gone is named and the step is dropped.
    CommandOutcome undo();
    CommandOutcome redo();
    // How often the entries were replaced by what another program wrote to the file.
    [[nodiscard]] int reloadCount() const { return m_reloads; }
    // A change made through the session's public calls (a purge) as one command: what it met and whether
    // its refresh wrote the database. The change returns whether it changed anything.
    CommandOutcome runCommand(const std::function<bool()>& change);

    // Writes the export file; changes nothing else.
    [[nodiscard]] FileResult exportData(const QString& path);

    // Stores the settings the program changed since they were loaded or last saved; the values that
    // another process stored meanwhile stay. saveSettings reports a failure, storeSettings returns it.
    CommandOutcome saveSettings();
    [[nodiscard]] FileResult storeSettings(ReceiptNumberSave receipt = ReceiptNumberSave::NeverBack);

    // Stores the rows of an import as one change (importcommand.cpp): under one hold of the database's
    // lock the rows are checked for duplicates against the entries as the file holds them now (unless
    // duplicates are allowed), appended, logged as "New" one line each, and written by one refresh. The
    // entries added, in the order appended (what an undo takes back), and the duplicates left out are
    // given back in the tally. Nothing to add changes nothing (applied is false). Progress, when given,
    // is told how far the storing has come, now and then, so that a window can show it.
    CommandOutcome importEntries(std::vector<ImportRow> rows, bool allowDuplicates, ImportTally& tally,
                                 const ImportProgress& progress = {});
    // Writes the export file in the format given; changes nothing else.
    [[nodiscard]] FileResult exportData(const QString& path, ExportFormat format)
    {
        return writeExportFile(m_state, path, format);
    }
    // Start-up records the settings as the registry held them, before it closes the keys it read.
    void rememberStoredSettings(const StoredSettings& stored) { m_settingsAsStored = stored; }

private:
    class Command;

    // undo.cpp: each step taken back (undoing) or made again; false when it could not be applied.
    CommandOutcome replayStep(bool undoing);
    bool applyStep(AddedEntry& change, bool undoing);
    bool applyStep(EditedEntry& change, bool undoing);
    bool applyStep(RemovedEntries& change, bool undoing);
    bool applyStep(ImportedEntries& change, bool undoing);
    bool applyStep(ReorderedEntries& change, bool undoing);
    bool applyStep(ChangedColumns& change, bool undoing);
    // Puts the entries back at their places (ascending) and logs them as new.
    void insertEntries(const std::vector<PlacedEntry>& entries);
    // Removes the entries stored as these, found by value, each logged as deleted unless a purge line is
    // given (logged once); the places they had are written back. False when none was there; the others
    // are named.
    bool removeStored(std::vector<PlacedEntry>& entries, const QString& purgeLine);
    // Changes the entry stored as current to wanted, logged as an edit.
    bool replaceStored(const Expense& current, const Expense& wanted);
    [[nodiscard]] SortState sortState() const;
    void recordSort(const QString& what, const SortState& before, const CommandOutcome& outcome);

    AppState& m_state;
    Clock m_clock;
    Registry& m_registry;
    EditLog m_log;
    ProblemList m_problems;
    DatabaseSync m_database;
    std::function<void(bool)> m_refreshHandler;
    // A refresh gives up at once on a lock that a command just waited for in vain.
    bool m_lockJustFailed = false;
    // Counts the refreshes, so that a command knows whether it wrote the database.
    int m_refreshes = 0;
    StoredSettings m_settingsAsStored;
    UndoHistory m_history;
    int m_reloads = 0;
    // Where the entries of the last refresh's sort came from (sortEntriesTracked).
    std::vector<int> m_lastSortOrder;
};

} // namespace tallyfox
