// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The session's undo and redo: each step taken back or made again through the same steps as the change
// a person makes, with its log lines, the journal of changes for the file, and the one refresh.
#include "core/sorting.h"
#include "session/session.h"
#include "session/sessioncommand.h"
#include "session/storedentries.h"

#include <QCoreApplication>
#include <algorithm>

namespace tallyfox {

CommandOutcome Session::undo()
{
    return replayStep(true);
}

CommandOutcome Session::redo()
{
    return replayStep(false);
}

CommandOutcome Session::replayStep(bool undoing)
{
    const Command command(*this);
    std::optional<UndoStep> step = undoing ? m_history.takeUndo() : m_history.takeRedo();
    if (!step)
        return command.done(false);
    bool applied = false;
    {
        const UndoHistory::Replay replay(m_history);
        applied = std::visit([&](auto& change) { return applyStep(change, undoing); }, step->change);
    }
    // A step that could not be applied is dropped: what it names is gone, and it was said so.
    if (applied) {
        if (undoing)
            m_history.pushRedo(std::move(*step));
        else
            m_history.pushUndo(std::move(*step));
    }
    return command.done(applied);
}

void Session::insertEntries(const std::vector<PlacedEntry>& entries)
{
    ExpenseArray& current = m_state.entries;
    ExpenseArray merged;
    merged.reserve(current.count() + static_cast<int>(entries.size()));
    std::vector<int> placed;
    placed.reserve(entries.size());
    size_t next = 0;
    int kept = 0;
    while (next < entries.size() || kept < current.count()) {
        // A place beyond the entries there are now is the end.
        if (next < entries.size() && (entries[next].index <= merged.count() || kept == current.count())) {
            placed.push_back(merged.count());
            merged.append(entries[next].entry);
            ++next;
        } else {
            merged.append(std::move(current[kept++]));
        }
    }
    current.swap(merged);
    for (const int index : placed)
        m_database.journal().added(current[index]);
    report(m_log.logEntries(m_state, LogEditType::New, placed));
    // The list brings the first of them into view.
    if (!placed.empty())
        current[placed.front()].justChanged = true;
}

bool Session::removeStored(std::vector<PlacedEntry>& entries, const QString& purgeLine)
{
    StoredEntries stored(m_state.entries);
    std::vector<Expense> gone;
    std::vector<PlacedEntry> found;
    found.reserve(entries.size());
    for (const PlacedEntry& placed : entries) {
        const int row = stored.take(placed.entry, placed.index);
        if (row < 0)
            gone.push_back(placed.entry);
        else
            found.push_back({row, placed.entry});
    }
    m_database.tellNotApplied(gone);
    if (found.empty())
        return false;
    std::sort(found.begin(), found.end(),
              [](const PlacedEntry& a, const PlacedEntry& b) { return a.index < b.index; });
    if (found.size() == 1 && purgeLine.isEmpty()) {
        // One entry goes as a person deletes it.
        removeEntryAt(found.front().index, true);
    } else {
        if (!purgeLine.isEmpty())
            logMessage(purgeLine);
        std::vector<bool> removed(size_t(m_state.entryCount()), false);
        for (const PlacedEntry& placed : found) {
            removed[size_t(placed.index)] = true;
            if (purgeLine.isEmpty())
                report(m_log.logEntry(m_state, LogEditType::Delete, placed.index));
            m_database.journal().deleted(m_state.entries[placed.index]);
        }
        m_state.keepFileIfEmpty = false;
        ExpenseArray kept;
        kept.reserve(m_state.entryCount());
        for (int i = 0; i < m_state.entryCount(); ++i) {
            if (!removed[size_t(i)])
                kept.append(std::move(m_state.entries[i]));
        }
        m_state.entries.swap(kept);
    }
    entries = std::move(found);
    return true;
}

bool Session::replaceStored(const Expense& current, const Expense& wanted)
{
    StoredEntries stored(m_state.entries);
    const int row = stored.take(current, m_state.entryCount() - 1);
    if (row < 0) {
        m_database.tellNotApplied({current});
        return false;
    }
    report(m_log.logEntry(m_state, LogEditType::EditFrom, row));
    const Expense before = m_state.entries[row];
    Expense& entry = m_state.entries[row];
    entry = wanted;
    entry.justChanged = true;
    m_database.journal().edited(before, entry);
    report(m_log.logEntry(m_state, LogEditType::EditTo, row));
    return true;
}

bool Session::applyStep(AddedEntry& change, bool undoing)
{
    if (undoing) {
        std::vector<PlacedEntry> entries = {{m_state.entryCount() - 1, change.entry}};
        if (!removeStored(entries, {}))
            return false;
    } else {
        insertEntries({{m_state.entryCount(), change.entry}});
    }
    refreshList(false);
    return true;
}

bool Session::applyStep(EditedEntry& change, bool undoing)
{
    if (!replaceStored(undoing ? change.after : change.before, undoing ? change.before : change.after))
        return false;
    refreshList(false);
    return true;
}

bool Session::applyStep(RemovedEntries& change, bool undoing)
{
    if (undoing)
        insertEntries(change.entries);
    else if (!removeStored(change.entries, change.purgeLine))
        return false;
    refreshList(false);
    return true;
}

bool Session::applyStep(ImportedEntries& change, bool undoing)
{
    // Taken back, each row goes as a deleted entry; made again, they come back as new ones.
    if (undoing) {
        if (!removeStored(change.entries, {}))
            return false;
    } else {
        insertEntries(change.entries);
    }
    refreshList(false);
    return true;
}

bool Session::applyStep(ReorderedEntries& change, bool undoing)
{
    // The order is known by places: entries read again from the file since are in another one.
    const bool reloaded = m_database.catchUp();
    if (reloaded) {
        ++m_reloads;
        refreshList(false);
    }
    if (change.reloads != m_reloads ||
        (!change.order.empty() && static_cast<int>(change.order.size()) > m_state.entryCount())) {
        tell(QCoreApplication::translate(
            "Problems", "The entries were read again from the file since they were sorted, so their "
                        "order before cannot be put back."));
        return false;
    }
    const SortState& wanted = undoing ? change.before : change.after;
    Settings& settings = m_state.settings;
    settings.sortKey = wanted.key;
    settings.sortReverse = wanted.reverse;
    settings.autoSort = wanted.autoSort;
    if (!change.order.empty()) {
        if (undoing) {
            // Each entry goes back to where it came from.
            std::vector<int> back(change.order.size());
            for (size_t slot = 0; slot < change.order.size(); ++slot)
                back[size_t(change.order[slot])] = int(slot);
            reorderEntries(m_state.entries, std::move(back));
        } else {
            reorderEntries(m_state.entries, change.order);
        }
    }
    refreshList(false);
    return true;
}

bool Session::applyStep(ChangedColumns& change, bool undoing)
{
    const ColumnLayout& wanted = undoing ? change.before : change.after;
    m_state.settings.lastVisibleColumn = wanted.lastVisibleColumn;
    m_state.settings.columnPositions = wanted.positions;
    report(storeSettings(), ProblemTopic::Settings);
    refreshList(false);
    return true;
}

} // namespace tallyfox
