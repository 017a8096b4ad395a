// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/session.h"

#include <QCoreApplication>

namespace tallyfox {

namespace {

// How many rows are stored between two reports of the progress.
constexpr size_t kRowsPerProgress = 2048;

} // namespace

CommandOutcome Session::importEntries(std::vector<ImportRow> rows, bool allowDuplicates, ImportTally& tally,
                                      const ImportProgress& progress)
{
    const ProblemList::Recording recording(m_problems);
    const int refreshesBefore = m_refreshes;
    const auto done = [&](bool applied) {
        CommandOutcome outcome;
        outcome.applied = applied;
        if (m_refreshes != refreshesBefore)
            outcome.database = m_database.lastWrite();
        outcome.problems = recording.problems();
        return outcome;
    };
    tally = {};
    // The duplicates are found among the entries as the file holds them now, and nobody else may write
    // before the rows are in it: the lock is held until the refresh has written them.
    // The steps: the duplicates checked, each row appended, then the log and the write as much again.
    const qsizetype steps = qsizetype(rows.size()) * 3;
    const auto tell = [&progress, steps](qsizetype done) {
        if (progress)
            progress(done, steps);
    };
    tell(0);
    const DatabaseSync::Transaction held = m_database.begin();
    m_lockJustFailed = !held.locked;
    if (!allowDuplicates)
        tally.duplicates = leaveOutDuplicates(rows, m_state.entries);
    const qsizetype checked = qsizetype(rows.size() + tally.duplicates.size());
    tell(checked);
    if (rows.empty()) {
        m_lockJustFailed = false;
        if (held.locked)
            m_database.release();
        return done(false);
    }
    // Each entry is copied once for the journal and once for the history; the list takes the row's own.
    std::vector<int> indexes;
    indexes.reserve(rows.size());
    std::vector<PlacedEntry> placed;
    placed.reserve(rows.size());
    m_state.entries.reserve(m_state.entryCount() + int(rows.size()));
    ChangeJournal& journal = m_database.journal();
    journal.reserve(journal.changes().size() + rows.size());
    for (ImportRow& row : rows) {
        if (indexes.size() % kRowsPerProgress == 0)
            tell(checked + qsizetype(indexes.size()));
        row.entry.justChanged = false;
        indexes.push_back(m_state.entryCount());
        journal.added(row.entry);
        placed.push_back({m_state.entryCount(), row.entry});
        m_state.entries.append(std::move(row.entry));
    }
    tally.added = qsizetype(placed.size());
    // The list shows where the import ended.
    m_state.entries[indexes.back()].justChanged = true;
    tell(checked * 2);
    report(m_log.logEntries(m_state, LogEditType::New, indexes));
    tell(checked * 5 / 2);
    refreshList(false);
    tell(steps);
    if (held.locked)
        m_database.release();
    CommandOutcome outcome = done(true);
    if (outcome.stored()) {
        ImportedEntries imported;
        imported.entries = std::move(placed);
        const QString what = imported.entries.size() == 1
                                 ? QCoreApplication::translate("UndoHistory", "import of 1 entry")
                                 : QCoreApplication::translate("UndoHistory", "import of %1 entries")
                                       .arg(imported.entries.size());
        m_history.record({what, std::move(imported)});
    }
    return outcome;
}

} // namespace tallyfox
