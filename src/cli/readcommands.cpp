// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/readcommands.h"

#include "core/daycount.h"
#include "core/sorting.h"
#include "money/monthtable.h"
#include "money/overviewreport.h"
#include "platform/chunkedwriter.h"
#include "platform/textencoding.h"
#include "session/entrycells.h"
#include "session/entrymatcher.h"
#include "session/exportfile.h"
#include "session/jsonentries.h"
#include "storage/defaultsfile.h"
#include "storage/editlog.h"
#include "storage/oldformat.h"

#include <QBuffer>
#include <QFileInfo>

namespace tallyfox::cli {

namespace {

// The file a path names, symbolic links followed, for comparing.
QString sameFileKey(const QString& path)
{
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

} // namespace

bool isProgramFile(const Session& session, const QString& path)
{
    const AppState& state = session.state();
    const QString key = sameFileKey(path);
    for (const QString& own : {state.databasePath, session.registry().filePath(), defaultsFilePath(state),
                               logFilePath(state), oldDatabasePath(state)}) {
        if (sameFileKey(own) == key)
            return true;
    }
    return false;
}

namespace {

// A cell as list prints it: the list's text, the date as YYYY-MM-DD whatever the locale.
QString listCellText(const AppState& state, const Expense& entry, int column)
{
    if (column != int(ListColumn::Date))
        return entryCellText(state, entry, column);
    const QDate date = qdateFromDayCount(entry.date);
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

// list --format csv and json.
int printListAs(const AppState& state, ListFormat format, Console& console)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == ListFormat::Json) {
        if (!writeJsonContent(buffer, state))
            return kExitFileError;
        console.printBytes(buffer.buffer());
        return 0;
    }
    QStringList captions = {QStringLiteral("What"),      QStringLiteral("Receipt"),
                            QStringLiteral("Note"),      QStringLiteral("Date"),
                            QStringLiteral("Currency"),  QStringLiteral("Amount"),
                            QStringLiteral("Paid with"), QStringLiteral("Int. source")};
    captions.append(state.currencyCount() > 0 ? state.currencies[0].name : QString());
    QByteArray& out = buffer.buffer();
    appendCsvLine(out, captions);
    for (const Expense& entry : state.entries) {
        QStringList cells;
        for (int column = 0; column < kListColumnCount; ++column)
            cells.append(listCellText(state, entry, column));
        appendCsvLine(out, cells);
    }
    console.printBytes(out);
    return 0;
}

// A state like the session's that holds only the entries the filter lets through, in their order, for a
// report of them; the session's entries stay as they are.
AppState filteredState(AppState& state, const EntryFilter& filter)
{
    const std::vector<int> rows = matchingEntries(state, filter);
    ExpenseArray all;
    // The copy takes everything but the entries.
    all.swap(state.entries);
    AppState view = state;
    all.swap(state.entries);
    view.entries.reserve(static_cast<int>(rows.size()));
    for (const int row : rows)
        view.entries.append(state.entries[row]);
    return view;
}

} // namespace

int listEntries(Session& session, const Invocation& invocation, Console& console)
{
    AppState& state = session.state();
    if (invocation.sortKey) {
        // Sorts the entries in memory only: the listing changes, the file does not.
        sortEntries(state.entries, state.entryCount(), {*invocation.sortKey, invocation.reverse},
                    state.locale);
    }
    if (invocation.listFormat != ListFormat::Tsv) {
        if (invocation.filter.isEmpty())
            return printListAs(state, invocation.listFormat, console);
        return printListAs(filteredState(state, invocation.filter), invocation.listFormat, console);
    }
    // The lines hold no CR, so they go to standard output as they are. A failed write leaves its error on
    // standard output, which the message at the command's end names.
    ChunkedWriter out(console.output());
    const bool filtered = !invocation.filter.isEmpty();
    const std::vector<int> rows = filtered ? matchingEntries(state, invocation.filter) : std::vector<int>();
    const int count = filtered ? static_cast<int>(rows.size()) : state.entryCount();
    for (int i = 0; i < count; ++i) {
        const Expense& entry = state.entries[filtered ? rows[size_t(i)] : i];
        for (int column = 0; column < kListColumnCount; ++column) {
            if (column > 0)
                out.buffer().append('\t');
            appendUtf8Field(out.buffer(), listCellText(state, entry, column));
        }
        out.buffer().append('\n');
        out.writeIfFull();
    }
    return out.finish() ? 0 : kExitFileError;
}

int printReport(Session& session, const Invocation& invocation, Console& console, OverviewSums* sums)
{
    AppState& state = session.state();
    if (sums != nullptr) {
        // An old database converted at start-up fills the state instead.
        sums->takeAll(state.entries);
        console.print(overviewText(state, *sums));
    } else if (invocation.filter.isEmpty())
        console.print(buildOverviewText(state, session.clock()));
    else
        console.print(buildOverviewText(filteredState(state, invocation.filter), session.clock()));
    return 0;
}

int printMonthTable(Session& session, const Invocation& invocation, Console& console)
{
    const AppState& state = session.state();
    const int currencyChoices = static_cast<int>(currencyChoiceItems(state.currencies).size());
    if (invocation.currencyChoice >= currencyChoices) {
        console.message(QStringLiteral("--currency must be from 0 to %1 here: %2 (see tallyfox-cli --help)")
                            .arg(currencyChoices - 1)
                            .arg(invocation.currencyChoice));
        return kExitUsage;
    }
    MonthTable table;
    if (invocation.filter.isEmpty()) {
        buildMonthColumns(table, state, invocation.view);
        fillMonthTable(table, state, invocation.currencyChoice, invocation.modeChoice);
    } else {
        const AppState view = filteredState(session.state(), invocation.filter);
        buildMonthColumns(table, view, invocation.view);
        fillMonthTable(table, view, invocation.currencyChoice, invocation.modeChoice);
    }
    console.print(monthTableText(table));
    return 0;
}

int exportEntries(Session& session, const Invocation& invocation, Console& console)
{
    if (invocation.exportPath) {
        if (isProgramFile(session, *invocation.exportPath)) {
            console.message(QStringLiteral("--out names a file of the program's own, which an export would "
                                           "replace: %1 (see tallyfox-cli --help)")
                                .arg(*invocation.exportPath));
            return kExitUsage;
        }
        const FileResult written = session.exportData(*invocation.exportPath, invocation.exportFormat);
        if (!written.ok()) {
            console.message(written.message());
            return kExitFileError;
        }
        return 0;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeExportContent(buffer, session.state(), invocation.exportFormat))
        return kExitFileError;
    console.printBytes(buffer.buffer());
    return 0;
}

} // namespace tallyfox::cli
