// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "platform/filesystem.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace tallyfox {

// The forms an export takes: the tab-separated file for a spreadsheet (the list's texts, the user's
// short dates), the same as CSV with ISO dates, JSON, and a plain-text accounting journal.
enum class ExportFormat
{
    Tsv,
    Csv,
    Json,
    Journal,
};

// "tsv", "csv", "json", "journal".
[[nodiscard]] QString exportFormatName(ExportFormat format);
[[nodiscard]] std::optional<ExportFormat> exportFormatFromName(QStringView name);
// The format a file's name asks for: ".csv", ".json", ".journal" or ".ledger"; the tab-separated export
// for any other.
[[nodiscard]] ExportFormat exportFormatOfFile(const QString& path);

// The export: the entries as the list shows them, for a spreadsheet. A header line, then one
// tab-separated line per entry in list order: date, currency, signed amount, amount in the primary
// currency, type, intended source, paid with, receipt, note. UTF-8, CR LF.
[[nodiscard]] bool writeExportContent(QIODevice& device, const AppState& state);

// The export in the format given. CSV has the tab-separated export's columns, RFC 4180 quoting, ISO
// dates and CR LF line ends.
[[nodiscard]] bool writeExportContent(QIODevice& device, const AppState& state, ExportFormat format);
FileResult writeExportFile(const AppState& state, const QString& path, ExportFormat format);

// One CSV line of the fields, RFC 4180 quoted, ended by CR LF.
void appendCsvLine(QByteArray& out, const QStringList& fields);

// Writes the export file atomically. No text can split a line's fields: tabs and line ends inside a text
// are written as spaces, as the database does.
FileResult writeExportFile(const AppState& state, const QString& path);

} // namespace tallyfox
