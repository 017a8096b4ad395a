#include "cli/writecommands.h"

#include "cli/toolstartup.h"
#include "platform/textencoding.h"

#include <QFileInfo>
#include <utility>

namespace tallyfox::cli {

namespace {

// The exit code of a write of the database that failed; a busy database may be tried again.
int failedWriteExitCode(const FileResult& write)
{
    return write.error() == FileError::Busy ? kExitBusy : kExitFileError;
}

// Tells the problems of a change that the database holds, each failure as what was not done besides;
// true when nothing failed.
bool tellAfterChange(const QList<Problem>& problems, Console& console, const QString& changeMade)
{
    bool allDone = true;
    bool logTold = false;
    for (const Problem& problem : problems) {
        if (problem.topic == ProblemTopic::Log && std::exchange(logTold, true)) {
            allDone = false;
            continue;
        }
        if (!problem.isFailure()) {
            console.message(problem.text);
            continue;
        }
        allDone = false;
        if (problem.result.error() == FileError::NotSynced)
            console.message(changeMade + QStringLiteral(", but not yet on the disk: ") + problem.text);
        else if (problem.topic == ProblemTopic::Log)
            console.message(changeMade + QStringLiteral(", but the edit log was not written: ") +
                            problem.text);
        else if (problem.topic == ProblemTopic::Settings)
            console.message(changeMade + QStringLiteral(", but the settings were not saved: ") +
                            problem.text);
        else
            console.message(problem.text);
    }
    return allDone;
}

// Ends a command that changed the database: tells what went wrong besides and stores the settings.
int finishChange(Session& session, Console& console, const QString& changeMade)
{
    const FileResult& write = session.lastDatabaseWrite();
    if (!write.replaced()) {
        for (const QString& problem : session.takeMessages())
            console.message(problem);
        return failedWriteExitCode(write);
    }
    bool allDone = tellAfterChange(session.takeProblems(), console, changeMade);
    // Start-up has said why the registry could not be read; nothing of this run can be kept in it.
    if (session.state().settings.registryUnavailable) {
        console.message(changeMade +
                        QStringLiteral(", but the settings were not saved: the registry could not be read."));
        return kExitSettingsNotSaved;
    }
    session.saveSettings();
    allDone = tellAfterChange(session.takeProblems(), console, changeMade) && allDone;
    return allDone ? 0 : kExitSettingsNotSaved;
}

} // namespace

int sortDatabase(Session& session, const Invocation& invocation, Console& console)
{
    AppState& state = session.state();
    // Sorting writes the file; with none there is nothing to sort, and an empty file is not made.
    if (!QFileInfo::exists(state.databasePath)) {
        console.message(
            FileResult::readFailure(FileError::NotFound, state.databasePath, QStringLiteral("No such file."))
                .message());
        return kExitFileError;
    }
    state.settings.sortKey = invocation.sortKey.value_or(SortKey::Name);
    state.settings.sortReverse = invocation.reverse;
    session.refreshList(true);
    return finishChange(session, console, QStringLiteral("Sorted"));
}

namespace {

// The entry is stored as the database file will hold it, so that the edit log, the file and the next
// reading agree: the file keeps no tab or line end inside a text (it writes them as spaces) and reads
// its texts back trimmed.
QString storedText(QString text)
{
    return fieldText(std::move(text)).trimmed();
}

} // namespace

EntryDraft newEntryDraft(const NewEntryOptions& given, const Settings& settings, QDate today)
{
    EntryDraft draft;
    draft.type = given.type;
    draft.amount = given.amount;
    draft.currency = given.currency.value_or(settings.lastUsedCurrency);
    draft.date = given.date.value_or(today);
    draft.income = given.income.value_or(settings.lastIncome);
    draft.paidWith = given.paidWith.value_or(settings.lastPaidWith);
    draft.intendedSource = given.intendedSource.value_or(settings.lastIntendedSource);
    draft.note = given.note;
    draft.hasReceipt = given.hasReceipt.value_or(settings.lastHasReceipt);
    draft.receipt = given.receipt.value_or(QString::number(settings.nextReceiptNumber));
    // "--receipt" without a number takes the next free one.
    draft.receiptProposed = !given.receipt.has_value();
    for (QString* text :
         {&draft.type, &draft.currency, &draft.paidWith, &draft.intendedSource, &draft.note, &draft.receipt})
        *text = storedText(*text);
    return draft;
}

int addEntry(Session& session, const Invocation& invocation, Console& console)
{
    AppState& state = session.state();
    session.storeEntry(newEntryDraft(invocation.entry, state.settings, session.clock().today()));
    // The entry lives only as long as this process unless the database holds it. When the file could not
    // be written, the receipt number and the choices were not used after all: nothing is remembered.
    return finishChange(session, console, QStringLiteral("Entry stored"));
}

} // namespace tallyfox::cli
