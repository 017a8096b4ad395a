// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/importsource.h"

#include "session/importvalues.h"
#include "session/journalentries.h"
#include "session/jsonentries.h"
#include "storage/databasefile.h"

#include <QCoreApplication>

namespace tallyfox {

namespace {

// The program's database: its header, or an entry line, on the first line that holds anything.
bool isDatabaseContent(QByteArrayView bytes)
{
    qsizetype start = 0;
    while (start < bytes.size() && (bytes[start] == '\r' || bytes[start] == '\n'))
        ++start;
    const QByteArrayView rest = bytes.sliced(start);
    return rest.startsWith(kDatabaseHeader) || rest.startsWith("item\t");
}

bool looksLikeJson(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    return trimmed.startsWith(u'[') && trimmed.endsWith(u']');
}

// Whether a record holds a date in a cell, as the first row of a table without a header does.
bool holdsDate(const QStringList& fields, const ImportDefaults& defaults)
{
    for (const QString& pattern : knownDateFormats()) {
        const DateFormat format(pattern);
        for (const QString& cell : fields) {
            if (format.read(cell, defaults.locale, defaults.today))
                return true;
        }
    }
    return false;
}

} // namespace

qsizetype ImportSource::rowCount(bool hasHeader) const
{
    if (!isTable())
        return qsizetype(ownRows.rows.size()) + ownRows.rejected.size();
    return std::max<qsizetype>(0, table.recordCount() - (hasHeader ? 1 : 0));
}

ImportDefaults importDefaults(const AppState& state, const Clock& clock)
{
    ImportDefaults defaults;
    defaults.locale = state.locale.locale();
    defaults.today = clock.today();
    defaults.currency =
        state.currencyCount() > 0 ? state.currencies[0].name : state.settings.lastUsedCurrency;
    defaults.intendedSource = state.settings.lastIntendedSource;
    defaults.paidWith = state.settings.lastPaidWith;
    return defaults;
}

ImportSource readImportSource(QByteArrayView bytes, QChar delimiter, const ImportDefaults& defaults)
{
    ImportSource source;
    DecodedText decoded = decodeTextFile(bytes);
    source.encoding = decoded.encoding;
    if (decoded.encoding != TextFileEncoding::Utf16WithBom) {
        const QByteArrayView content =
            decoded.encoding == TextFileEncoding::Utf8WithBom ? bytes.sliced(3) : bytes;
        if (isDatabaseContent(content)) {
            source.format = ImportFormat::Database;
            ExpenseArray entries;
            parseDatabase(content, entries);
            source.ownRows.dateFormat = QStringLiteral("yyyy-MM-dd");
            source.ownRows.decimalMark = u'.';
            for (int i = 0; i < entries.count(); ++i)
                source.ownRows.rows.push_back({i + 2, entries[i]});
            return source;
        }
        if (std::optional<ConvertedRows> journal = readJournalEntries(content, defaults)) {
            source.format = ImportFormat::Journal;
            source.ownRows = std::move(*journal);
            return source;
        }
    }
    if (looksLikeJson(decoded.text)) {
        if (std::optional<ConvertedRows> json = readJsonEntries(decoded.text.toUtf8(), defaults)) {
            source.format = ImportFormat::Json;
            source.ownRows = std::move(*json);
            return source;
        }
    }
    source.delimiter = delimiter.isNull() ? detectDelimiter(decoded.text) : delimiter;
    source.table = parseDelimited(std::move(decoded.text), source.delimiter);
    if (isOwnExportHeader(source.firstRecord()))
        source.format = ImportFormat::OwnExport;
    return source;
}

ReadResult<ImportSource> readImportFile(const QString& path, QChar delimiter, const ImportDefaults& defaults)
{
    ReadResult<ImportSource> read;
    const FileContent content = readWholeFile(path);
    if (content.missing) {
        read.result = FileResult::readFailure(FileError::NotFound, path,
                                              QCoreApplication::translate("Problems", "No such file."));
        return read;
    }
    read.result = content.result;
    if (read.result.ok())
        read.value = readImportSource(content.bytes, delimiter, defaults);
    return read;
}

ImportMapping proposeMapping(const ImportSource& source, const Settings& settings,
                             const ImportDefaults& defaults)
{
    ImportMapping mapping;
    mapping.delimiter = source.delimiter;
    if (!source.isTable())
        return mapping;
    const QStringList first = source.firstRecord();
    mapping = proposeColumns(first);
    mapping.delimiter = source.delimiter;
    if (source.format == ImportFormat::OwnExport) {
        // The export writes amounts with the sign the list shows; the converted column stays out.
        mapping.decimalMark = u'.';
        mapping.negativeIsIncome = !settings.incomeIsPositive;
        mapping.setColumn(ImportField::Receipt, 7);
        mapping.setColumn(ImportField::IntendedSource, 5);
        mapping.setColumn(ImportField::PaidWith, 6);
        return mapping;
    }
    // A first record that names no date column but holds a date is a row.
    if (mapping.column(ImportField::Date) == kNoColumn && holdsDate(first, defaults)) {
        mapping = ImportMapping();
        mapping.delimiter = source.delimiter;
        mapping.hasHeader = false;
    }
    return mapping;
}

ConvertedRows convertSource(const ImportSource& source, const ImportMapping& mapping,
                            const ImportDefaults& defaults, const std::function<void(qsizetype)>& progress)
{
    if (!source.isTable())
        return source.ownRows;
    return convertRecords(source.table, mapping, defaults, progress);
}

} // namespace tallyfox
