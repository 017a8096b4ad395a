// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

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

// Tells the problems of a change that the database holds, each failure as what was not done besides.
void tellAfterChange(const QList<Problem>& problems, Console& console, const QString& changeMade)
{
    bool logTold = false;
    for (const Problem& problem : problems) {
        if (problem.topic == ProblemTopic::Log && std::exchange(logTold, true))
            continue;
        if (!problem.isFailure()) {
            console.message(problem.text);
            continue;
        }
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
}

} // namespace

int finishChange(Session& session, const CommandOutcome& change, Console& console, const QString& changeMade)
{
    const QList<Problem> told = session.takeProblems();
    if (!change.stored()) {
        for (const QString& text : shownTexts(told))
            console.message(text);
        return failedWriteExitCode(change.database);
    }
    tellAfterChange(told, console, changeMade);
    // Start-up has said why the registry could not be read; nothing of this run can be kept in it.
    if (session.state().settings.registryUnavailable) {
        console.message(changeMade +
                        QStringLiteral(", but the settings were not saved: the registry could not be read."));
        return kExitSettingsNotSaved;
    }
    const CommandOutcome saved = session.saveSettings();
    tellAfterChange(session.takeProblems(), console, changeMade);
    return change.hasFailures() || saved.hasFailures() ? kExitSettingsNotSaved : 0;
}

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
    const CommandOutcome sorted =
        session.sortBy(invocation.sortKey.value_or(SortKey::Name), invocation.reverse);
    return finishChange(session, sorted, console, QStringLiteral("Sorted"));
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
    const CommandOutcome stored =
        session.storeEntry(newEntryDraft(invocation.entry, state.settings, session.clock().today()));
    // The entry lives only as long as this process unless the database holds it. When the file could not
    // be written, the receipt number and the choices were not used after all: nothing is remembered.
    return finishChange(session, stored, console, QStringLiteral("Entry stored"));
}

} // namespace tallyfox::cli
