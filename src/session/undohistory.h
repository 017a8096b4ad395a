// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"
#include "core/settings.h"

#include <QString>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace tallyfox {

// An entry and the place it had among the entries.
struct PlacedEntry
{
    int index = 0;
    Expense entry;

    friend bool operator==(const PlacedEntry&, const PlacedEntry&) = default;
};

// The changes that can be taken back, each holding what it takes to make it and to take it back. Entries
// are kept by value and found again by their stored line, so a step still applies after the entries were
// read again from a file that another program changed.
struct AddedEntry
{
    Expense entry;
};
struct EditedEntry
{
    Expense before;
    Expense after;
};
// One deleted entry (no purge line: it is logged as deleted), or the entries of a purge, by ascending
// place, with the purge's log line.
struct RemovedEntries
{
    std::vector<PlacedEntry> entries;
    QString purgeLine;
};
// The rows of one import, by the places they took.
struct ImportedEntries
{
    std::vector<PlacedEntry> entries;
};
struct SortState
{
    SortKey key = SortKey::Name;
    bool reverse = false;
    bool autoSort = false;

    friend bool operator==(const SortState&, const SortState&) = default;
};
// A sort (or a change of the sort settings): the entry now at slot i was at slot order[i] before; no
// order when nothing moved. The count of reloads tells whether the entries are still the ones sorted.
struct ReorderedEntries
{
    SortState before;
    SortState after;
    std::vector<int> order;
    int reloads = 0;
};
struct ColumnLayout
{
    quint16 lastVisibleColumn = 0;
    ColumnArray<int> positions{};

    friend bool operator==(const ColumnLayout&, const ColumnLayout&) = default;
};
struct ChangedColumns
{
    ColumnLayout before;
    ColumnLayout after;
};
using UndoChange =
    std::variant<AddedEntry, EditedEntry, RemovedEntries, ImportedEntries, ReorderedEntries, ChangedColumns>;

// One step of the history: the change, and what the menu calls it ("delete Lunch 12.50").
struct UndoStep
{
    QString what;
    UndoChange change;
};

// The changes of this run that can be taken back and made again, newest last: unlimited, and cleared
// when another database is chosen. A new change clears what could be made again. While an undo or a
// redo runs, the commands it uses record nothing.
class UndoHistory
{
public:
    void record(UndoStep step);
    void clear();
    // Called whenever what undo or redo would do changes, so that a menu can say it.
    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

    [[nodiscard]] bool canUndo() const { return !m_undo.empty(); }
    [[nodiscard]] bool canRedo() const { return !m_redo.empty(); }
    // "Undo delete Lunch 12.50", or "Undo" when there is nothing to take back; the same for redo.
    [[nodiscard]] QString undoText() const;
    [[nodiscard]] QString redoText() const;
    [[nodiscard]] int undoCount() const { return static_cast<int>(m_undo.size()); }
    [[nodiscard]] int redoCount() const { return static_cast<int>(m_redo.size()); }

    // For the session's undo and redo: the step to take back or to make again, and where it goes once
    // done. A step that could not be applied is dropped.
    [[nodiscard]] std::optional<UndoStep> takeUndo();
    [[nodiscard]] std::optional<UndoStep> takeRedo();
    void pushUndo(UndoStep step);
    void pushRedo(UndoStep step);

    // Keeps the commands from recording while it lives.
    class Replay
    {
    public:
        explicit Replay(UndoHistory& history) : m_history(history) { ++m_history.m_replaying; }
        ~Replay() { --m_history.m_replaying; }
        Replay(const Replay&) = delete;
        Replay& operator=(const Replay&) = delete;

    private:
        UndoHistory& m_history;
    };

private:
    void changed() const;

    std::vector<UndoStep> m_undo;
    std::vector<UndoStep> m_redo;
    int m_replaying = 0;
    std::function<void()> m_changed;
};

// What the menu calls an entry: its type and its amount as the list shows it ("Lunch 12.50").
[[nodiscard]] QString entryCaption(const Expense& entry, bool incomeIsPositive);
// "sort by date" and the like, for a key chosen.
[[nodiscard]] QString sortCaption(SortKey key);

} // namespace tallyfox
