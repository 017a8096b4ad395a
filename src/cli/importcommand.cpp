// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/importcommand.h"

#include "cli/writecommands.h"
#include "session/importmemory.h"
#include "session/importsource.h"

namespace tallyfox::cli {

namespace {

// The mapping for the file: remembered for its header or proposed from it, then what the command line
// gives. The error's text, or nothing.
std::optional<QString> chooseMapping(Session& session, const ImportSource& source, const ImportOptions& given,
                                     const ImportDefaults& defaults, ImportMapping& mapping)
{
    mapping = proposeMapping(source, session.state().settings, defaults);
    if (!source.isTable())
        return std::nullopt;
    const QStringList header = source.firstRecord();
    if (mapping.hasHeader && source.format == ImportFormat::Table) {
        if (const std::optional<ImportMapping> recalled = recallImportMapping(session.registry(), header)) {
            mapping = *recalled;
            mapping.delimiter = source.delimiter;
        }
    }
    if (!given.decimalMark.isNull())
        mapping.decimalMark = given.decimalMark;
    if (!given.dateFormat.isEmpty())
        mapping.dateFormat = given.dateFormat;
    if (!given.currency.isEmpty())
        mapping.currency = given.currency;
    if (!given.type.isEmpty())
        mapping.type = given.type;
    if (given.negativeIsIncome)
        mapping.negativeIsIncome = true;
    if (!given.columns.isEmpty()) {
        if (const std::optional<QString> error =
                applyColumnList(given.columns, mapping.hasHeader ? header : QStringList(), mapping))
            return error;
    }
    if (mapping.column(ImportField::Date) == kNoColumn)
        return QStringLiteral("no column of the file is the date: give it with --map date=COL");
    if (!mapping.hasAmounts())
        return QStringLiteral("no column of the file is the amount: give it with --map amount=COL (or "
                              "debit=COL,credit=COL)");
    return std::nullopt;
}

void printTally(Console& console, qsizetype imported, qsizetype duplicates,
                const QList<RejectedRow>& rejected, bool dryRun)
{
    QString text = QStringLiteral("%1 %2, %3 duplicates left out, %4 rejected\n")
                       .arg(imported)
                       .arg(dryRun ? QStringLiteral("to import") : QStringLiteral("imported"))
                       .arg(duplicates)
                       .arg(rejected.size());
    for (const RejectedRow& row : rejected)
        text += QStringLiteral("line %1: %2\n").arg(row.line).arg(row.reason);
    console.print(text);
}

} // namespace

int importFile(Session& session, const Invocation& invocation, Console& console)
{
    const ImportOptions& given = invocation.import;
    AppState& state = session.state();
    const ImportDefaults defaults = importDefaults(state, session.clock());
    const ReadResult<ImportSource> read = readImportFile(given.file, given.delimiter, defaults);
    if (!read.result.ok()) {
        console.message(read.result.message());
        return kExitFileError;
    }
    const ImportSource& source = read.value;
    ImportMapping mapping;
    if (const std::optional<QString> error = chooseMapping(session, source, given, defaults, mapping)) {
        console.message(QStringLiteral("%1 (see tallyfox-cli --help)").arg(*error));
        return kExitUsage;
    }
    ConvertedRows converted = convertSource(source, mapping, defaults);
    if (source.isTable()) {
        if (mapping.dateFormat.isEmpty() && !converted.otherDateFormats.isEmpty())
            console.message(
                QStringLiteral("The dates were read as %1; they read as %2 too (--date-format).")
                    .arg(converted.dateFormat, converted.otherDateFormats.join(QStringLiteral(", "))));
        mapping.dateFormat = converted.dateFormat;
        mapping.decimalMark = converted.decimalMark;
    }
    const bool allRejected = converted.rows.empty() && !converted.rejected.isEmpty();

    if (given.dryRun) {
        std::vector<ImportRow> rows = std::move(converted.rows);
        const std::vector<DuplicateRow> duplicates =
            given.allowDuplicates ? std::vector<DuplicateRow>() : leaveOutDuplicates(rows, state.entries);
        printTally(console, qsizetype(rows.size()), qsizetype(duplicates.size()), converted.rejected, true);
        return allRejected ? kExitFileError : 0;
    }

    ImportTally tally;
    const CommandOutcome stored =
        session.importEntries(std::move(converted.rows), given.allowDuplicates, tally);
    const bool anyStored = stored.applied && tally.added > 0;
    if (anyStored && !stored.stored()) {
        // The entries live only as long as this process unless the database holds them.
        for (const QString& text : session.takeMessages())
            console.message(text);
        return stored.database.error() == FileError::Busy ? kExitBusy : kExitFileError;
    }
    printTally(console, tally.added, qsizetype(tally.duplicates.size()), converted.rejected, false);
    // The next statement with this header maps as this one did.
    if (source.format == ImportFormat::Table && mapping.hasHeader)
        session.report(rememberImportMapping(session.registry(), source.firstRecord(), mapping),
                       ProblemTopic::Settings);
    if (!anyStored) {
        for (const QString& text : session.takeMessages())
            console.message(text);
        return allRejected ? kExitFileError : 0;
    }
    return finishChange(session, stored, console, QStringLiteral("Entries stored"));
}

} // namespace tallyfox::cli
