// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/filesystem.h"
#include "session/importmapping.h"
#include "session/importrows.h"
#include "storage/delimitedtext.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace tallyfox {

// What a file to import is.
enum class ImportFormat
{
    // A bank's or a spreadsheet's table: its columns are mapped.
    Table,
    // The program's own export, tab-separated or CSV: a table whose columns are known.
    OwnExport,
    // The program's own formats, read as they are.
    Database,
    Json,
    Journal,
};

// A file to import, read and recognised.
struct ImportSource
{
    ImportFormat format = ImportFormat::Table;
    TextFileEncoding encoding = TextFileEncoding::Utf8;
    // Tables: the delimiter and every record, the header first when there is one.
    QChar delimiter;
    DelimitedTable table;
    // The program's database, JSON and journal: the rows as they read.
    ConvertedRows ownRows;

    [[nodiscard]] bool isTable() const
    {
        return format == ImportFormat::Table || format == ImportFormat::OwnExport;
    }
    // The first record's fields: the header, when the mapping says the table has one.
    [[nodiscard]] QStringList firstRecord() const
    {
        return table.isEmpty() ? QStringList() : table.fields(0);
    }
    // The records after the header: the rows that may become entries.
    [[nodiscard]] qsizetype rowCount(bool hasHeader) const;
};

// What rows take that the file does not give, from the settings: the primary currency, the last used
// intended source and payment method, the locale and today.
[[nodiscard]] ImportDefaults importDefaults(const AppState& state, const Clock& clock);

// Recognises and reads the bytes of a file to import. A delimiter that is not given is found from the
// table. Never fails: what is not one of the program's formats is a table.
[[nodiscard]] ImportSource readImportSource(QByteArrayView bytes, QChar delimiter,
                                            const ImportDefaults& defaults);

// Reads the file at path; a file that cannot be read gives the failure and no source.
[[nodiscard]] ReadResult<ImportSource> readImportFile(const QString& path, QChar delimiter,
                                                      const ImportDefaults& defaults);

// The mapping a table proposes: the columns its header names, whether the first record is a header at
// all, and for the program's own export the signs it writes with the setting of "Show income as
// positive".
[[nodiscard]] ImportMapping proposeMapping(const ImportSource& source, const Settings& settings,
                                           const ImportDefaults& defaults);

// The rows of the source as they would be stored, before duplicates are left out.
[[nodiscard]] ConvertedRows convertSource(const ImportSource& source, const ImportMapping& mapping,
                                          const ImportDefaults& defaults,
                                          const std::function<void(qsizetype)>& progress = {});

} // namespace tallyfox
