// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/changejournal.h"

#include "storage/databaselinewriter.h"

#include <QHash>
#include <QList>

namespace tallyfox {

QByteArray storedLine(const Expense& entry)
{
    QByteArray line;
    DatabaseLineWriter(line).appendEntry(entry);
    return line;
}

void ChangeJournal::added(const Expense& entry)
{
    m_changes.push_back({EntryChange::Kind::Add, {}, entry});
}

void ChangeJournal::edited(const Expense& before, const Expense& after)
{
    m_changes.push_back({EntryChange::Kind::Edit, before, after});
}

void ChangeJournal::deleted(const Expense& entry)
{
    m_changes.push_back({EntryChange::Kind::Delete, entry, {}});
}

std::vector<Expense> ChangeJournal::replayOn(ExpenseArray& entries)
{
    // Rows by their stored line, so that a purge of thousands of entries finds each in one look-up.
    // Equal entries share a line; any one of them will do.
    QHash<QByteArray, QList<int>> rows;
    rows.reserve(entries.count());
    for (int i = 0; i < entries.count(); ++i)
        rows[storedLine(entries[i])].append(i);
    std::vector<bool> removed(static_cast<size_t>(entries.count()), false);
    const auto takeRow = [&rows](const Expense& entry) {
        const auto found = rows.find(storedLine(entry));
        if (found == rows.end() || found->isEmpty())
            return -1;
        return found->takeLast();
    };

    std::vector<Expense> notApplied;
    std::vector<EntryChange> applied;
    applied.reserve(m_changes.size());
    for (EntryChange& change : m_changes) {
        int row = -1;
        if (change.kind == EntryChange::Kind::Add) {
            row = entries.count();
            entries.append(change.after);
            removed.push_back(false);
        } else {
            row = takeRow(change.before);
            if (row < 0) {
                notApplied.push_back(change.kind == EntryChange::Kind::Edit ? change.after : change.before);
                continue;
            }
            if (change.kind == EntryChange::Kind::Edit)
                entries[row] = change.after;
            else
                removed[static_cast<size_t>(row)] = true;
        }
        if (change.kind != EntryChange::Kind::Delete)
            rows[storedLine(change.after)].append(row);
        applied.push_back(std::move(change));
    }
    m_changes = std::move(applied);

    if (std::find(removed.begin(), removed.end(), true) != removed.end()) {
        ExpenseArray kept;
        kept.reserve(entries.count());
        for (int i = 0; i < entries.count(); ++i) {
            if (!removed[static_cast<size_t>(i)])
                kept.append(std::move(entries[i]));
        }
        entries.swap(kept);
    }
    return notApplied;
}

} // namespace tallyfox
