#include "cli/writecommands.h"

#include "cli/toolstartup.h"
#include "platform/textencoding.h"

#include <QFileInfo>

namespace tallyfox::cli {

namespace {

// The exit code of a write of the database that failed; a busy database may be tried again.
int failedWriteExitCode(const FileResult& write)
{
    return write.error() == FileError::Busy ? kExitBusy : kExitFileError;
}

// Stores the settings after the database holds the change, and tells whether they were stored.
int saveSettingsAfterChange(Session& session, Console& console, const QString& changeMade)
{
    // Start-up has said why the registry could not be read; nothing of this run can be kept in it.
    if (session.state().settings.registryUnavailable) {
        console.message(changeMade +
                        QStringLiteral(", but the settings were not saved: the registry could not be read."));
        return kExitSettingsNotSaved;
    }
    const int failuresBefore = session.failureCount();
    session.saveSettings();
    const QStringList problems = session.takeMessages();
    if (session.failureCount() == failuresBefore) {
        for (const QString& problem : problems)
            console.message(problem);
        return 0;
    }
    console.message(changeMade + QStringLiteral(", but the settings were not saved: ") +
                    problems.join(QStringLiteral(" ")));
    return kExitSettingsNotSaved;
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
    const int failuresBefore = session.failureCount();
    session.refreshList(true);
    const bool noOtherFailure = session.failureCount() == failuresBefore;
    reportProblems(session, console);
    if (!session.lastDatabaseWrite().ok())
        return failedWriteExitCode(session.lastDatabaseWrite());
    const int settingsSaved = saveSettingsAfterChange(session, console, QStringLiteral("Sorted"));
    return settingsSaved != 0 || noOtherFailure ? settingsSaved : kExitSettingsNotSaved;
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
    const int failuresBefore = session.failureCount();
    session.storeEntry(newEntryDraft(invocation.entry, state.settings, session.clock().today()));
    // The entry lives only as long as this process unless the database holds it. When the file could not
    // be written, the receipt number and the choices were not used after all: nothing is remembered.
    const FileResult& write = session.lastDatabaseWrite();
    const bool noOtherFailure = session.failureCount() == failuresBefore;
    reportProblems(session, console);
    if (!write.ok())
        return failedWriteExitCode(write);
    const int settingsSaved = saveSettingsAfterChange(session, console, QStringLiteral("Entry stored"));
    // A log line that could not be written is told above; the entry is in the file all the same.
    return settingsSaved != 0 || noOtherFailure ? settingsSaved : kExitSettingsNotSaved;
}

} // namespace tallyfox::cli
