#pragma once

#include "core/appstate.h"
#include "platform/filesystem.h"

#include <QByteArray>
#include <QIODevice>

namespace tallyfox {

// The export: the entries as the list shows them, for a spreadsheet. A header line, then one
// tab-separated line per entry in list order: date, currency, signed amount, amount in the primary
// currency, type, intended source, paid with, receipt, note. UTF-8, CR LF.
[[nodiscard]] bool writeExportContent(QIODevice& device, const AppState& state);

// Writes the export file atomically. No text can split a line's fields: tabs and line ends inside a text
// are written as spaces, as the database does.
FileResult writeExportFile(const AppState& state, const QString& path);

} // namespace tallyfox
