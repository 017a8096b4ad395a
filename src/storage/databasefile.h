#pragma once

#include "core/appstate.h"
#include "core/growablearray.h"
#include "platform/filesystem.h"

#include <QByteArrayView>
#include <QIODevice>

namespace tallyfox {

// The database file: a header line, then one tab-separated "item" line per entry in array order,
// UTF-8 with CR LF line ends.
inline constexpr QByteArrayView kDatabaseHeader =
    "\tYear\tMonth\tDay\tCurrency\tAmount\tIncome?\tType\tIntended source\tPaid with\tHas receipt\tReceipt "
    "number\tNote";

// The largest amount a file can hold; a damaged or hand-edited file with more reads as this limit.
inline constexpr double kLargestStoredAmount = 999999999999.99;

// Reads database content into entries, replacing what they held. Lines that are not entry lines are
// skipped; fields that are missing or malformed read as their defaults. Never fails.
void parseDatabase(QByteArrayView content, ExpenseArray& entries);

// Writes the first count entries as database content. False when the device fails.
[[nodiscard]] bool writeDatabaseContent(QIODevice& device, const ExpenseArray& entries, int count);

// Replaces the entries with the file at state.databasePath. A missing file gives no entries. A file that
// cannot be read is reported and the entries in memory stay as they were.
FileResult readDatabaseFile(AppState& state);

// Writes the entries to state.databasePath through a temporary file, so a failed write leaves the old
// file whole. Skipped while KeepFileIfEmpty is set and there is no entry.
FileResult writeDatabaseFile(const AppState& state);

} // namespace tallyfox
