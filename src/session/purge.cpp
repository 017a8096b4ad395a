#include "session/purge.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "session/session.h"

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

void purgeAllEntries(Session& session)
{
    AppState& state = session.state();
    session.logMessage(QStringLiteral("Purge all"));
    // Removing entries is a change the file must follow, even when it leaves the table empty after Open.
    if (state.entryCount() > 0)
        state.keepFileIfEmpty = false;
    for (const Expense& entry : state.entries)
        session.noteRemoved(entry);
    state.entries.clear();
    session.refreshList(false);
}

void purgeEntriesBefore(Session& session, QDate cutOff)
{
    AppState& state = session.state();
    const double day = dayCountFromQDate(cutOff);
    session.logMessage(QStringLiteral("Purge all before ") + dateText(day, state.locale));
    // One pass that keeps the later entries in their order: what removing the earlier ones one at a time,
    // from the last index down, leaves, without moving the tail of a large table once per removal.
    ExpenseArray kept;
    kept.reserve(state.entryCount());
    for (Expense& entry : state.entries) {
        if (!(entry.date < day))
            kept.append(std::move(entry));
        else
            session.noteRemoved(entry);
    }
    if (kept.count() < state.entryCount())
        state.keepFileIfEmpty = false;
    state.entries.swap(kept);
    session.refreshList(false);
}

} // namespace tallyfox
