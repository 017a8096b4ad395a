#include "cli/commands.h"

#include "core/appstate.h"
#include "core/sorting.h"
#include "core/textforms.h"
#include "storage/databasefile.h"

#include <QFileInfo>
#include <QLocale>

namespace tallyfox::cli {

namespace {

// One line per entry: the list's cells in column order What, Receipt, Note, Date, Currency, Amount,
// Paid with, Int. source.
void printEntries(const AppState& state, QTextStream& out)
{
    const bool incomeIsPositive = state.settings.IncomeIsPositive;
    for (const TExpense& entry : state.Entries) {
        out << entry.Type << '\t' << ReceiptText(entry) << '\t' << entry.Note << '\t'
            << DateText(entry.Date, state.Locale) << '\t' << entry.Currency << '\t'
            << EntryAmountText(entry, incomeIsPositive) << '\t' << entry.PaidWith << '\t'
            << entry.IntendedSource << '\n';
    }
}

int fail(QTextStream& err, const QString& message)
{
    err << "tallyfox-cli: " << message << '\n';
    return kExitFileError;
}

} // namespace

int runCommand(const Invocation& invocation, QTextStream& out, QTextStream& err)
{
    AppState state(QLocale::system());
    state.DatabasePath = invocation.databasePath;
    if (invocation.command == Command::Sort && !QFileInfo::exists(state.DatabasePath))
        return fail(err,
                    FileResult::readFailure(state.DatabasePath, QStringLiteral("No such file.")).message());
    if (const FileResult read = ReadDatabase(state); !read.ok())
        return fail(err, read.message());

    if (invocation.sortType) {
        state.settings.SortType = *invocation.sortType;
        state.settings.SortReverse = invocation.reverse;
        SortEntries(state.Entries, state.EntryCount(), {state.settings.SortType, state.settings.SortReverse},
                    state.Locale);
    }

    switch (invocation.command) {
    case Command::List:
        printEntries(state, out);
        return 0;
    case Command::Sort:
        if (const FileResult written = WriteDatabase(state); !written.ok())
            return fail(err, written.message());
        return 0;
    }
    return 0;
}

} // namespace tallyfox::cli
