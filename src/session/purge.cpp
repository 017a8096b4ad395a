// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/purge.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "session/session.h"

#include <QCoreApplication>
#include <functional>

namespace tallyfox {

QDate proposedPurgeCutOff(const Session& session)
{
    return session.clock().today().addMonths(-1);
}

int countEntriesBefore(const AppState& state, QDate cutOff)
{
    const double day = dayCountFromQDate(cutOff);
    int count = 0;
    for (const Expense& entry : state.entries) {
        if (entry.date < day)
            ++count;
    }
    return count;
}

namespace {

// Logs the purge's line, removes the entries that go, each noted with its place, and refreshes; a
// purge that removed entries and was stored can be taken back.
CommandOutcome purge(Session& session, const QString& logLine,
                     const std::function<bool(const Expense&)>& goes)
{
    AppState& state = session.state();
    RemovedEntries removed{{}, logLine};
    const CommandOutcome outcome = session.runCommand([&] {
        session.logMessage(logLine);
        // One pass that keeps the later entries in their order: what removing the earlier ones one at a
        // time, from the last index down, leaves, without moving the tail of a large table once per removal.
        ExpenseArray kept;
        kept.reserve(state.entryCount());
        for (int i = 0; i < state.entryCount(); ++i) {
            Expense& entry = state.entries[i];
            if (!goes(entry)) {
                kept.append(std::move(entry));
                continue;
            }
            session.noteRemoved(entry);
            entry.justChanged = false;
            removed.entries.push_back({i, std::move(entry)});
        }
        // Removing entries is a change the file must follow, even when it leaves the table empty after Open.
        if (kept.count() < state.entryCount())
            state.keepFileIfEmpty = false;
        state.entries.swap(kept);
        session.refreshList(false);
        return true;
    });
    if (outcome.stored() && !removed.entries.empty()) {
        const QString what = removed.entries.size() == 1
                                 ? QCoreApplication::translate("UndoHistory", "purge of 1 entry")
                                 : QCoreApplication::translate("UndoHistory", "purge of %1 entries")
                                       .arg(removed.entries.size());
        session.history().record({what, std::move(removed)});
    }
    return outcome;
}

} // namespace

CommandOutcome purgeAllEntries(Session& session)
{
    return purge(session, QStringLiteral("Purge all"), [](const Expense&) { return true; });
}

CommandOutcome purgeEntriesBefore(Session& session, QDate cutOff)
{
    const double day = dayCountFromQDate(cutOff);
    return purge(session, QStringLiteral("Purge all before ") + dateText(day, session.state().locale),
                 [day](const Expense& entry) { return entry.date < day; });
}

} // namespace tallyfox
