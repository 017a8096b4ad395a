// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "core/growablearray.h"
#include "platform/filesystem.h"
#include "storage/entrysink.h"
#include "storage/storedlines.h"

#include <QByteArrayView>
#include <QIODevice>
#include <atomic>
#include <memory>
#include <optional>

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

// One version of the database file as the program read or wrote it, to tell later whether someone else
// has changed the file since.
struct DatabaseFileVersion
{
    // Nothing when there was no file.
    std::optional<FileStamp> stamp;
    // The hash of the file's bytes (ContentHasher); nothing when it is not known (a write that copied
    // lines without looking at them).
    std::optional<quint64> hash;
};

// What the entries are read for. A read for totals alone (a report, a month table) leaves out the
// receipt numbers and notes, which it does not sum, and makes no hash; its entries must never be written.
// A read for a change that is written at once notes where each entry's line lies and keeps the file
// open (StoredLines), so that the write copies the lines of the entries that did not change.
enum class DatabaseReadPurpose
{
    Everything,
    Totals,
    Change,
};

// What reading a database file found besides its entries.
struct DatabaseReadSummary
{
    bool headerSeen = false;
    qsizetype entryLines = 0;
    // Lines that are neither the header, nor an entry, nor empty: a save would drop them.
    qsizetype otherLines = 0;
    // A file with content but neither the header nor any entry is no database at all.
    [[nodiscard]] bool isNotDatabase() const { return !headerSeen && entryLines == 0 && otherLines > 0; }
};

// Replaces the entries with the file at state.databasePath. A missing file gives no entries. A file that
// cannot be read is reported and the entries in memory stay as they were. The version read and what the
// file held besides entries are given back when asked for. Given sinks, the entries go to them as they are
// read and none stay in memory.
// Read for a change, the lines are given back in lines.
FileResult readDatabaseFile(AppState& state, DatabaseFileVersion* version = nullptr,
                            DatabaseReadSummary* summary = nullptr,
                            DatabaseReadPurpose purpose = DatabaseReadPurpose::Everything,
                            EntrySinks* sinks = nullptr, std::shared_ptr<const StoredLines>* lines = nullptr);

// Writes the entries to state.databasePath through a temporary file, so a failed write leaves the old
// file whole. Skipped while KeepFileIfEmpty is set and there is no entry. The version written is given
// back when asked for.
FileResult writeDatabaseFile(const AppState& state, DatabaseFileVersion* version = nullptr);
// The same for the first count entries and any path; it touches nothing else, so it may run on a thread of
// its own over a copy of the entries. Once stop is set the write ends soon, its temporary file removed
// and the old file whole, and fails (as a content that was not complete), unless it was already putting
// the new file in place. Given the lines the entries were read from, those of unchanged entries are
// copied.
FileResult writeDatabaseEntries(const QString& path, const ExpenseArray& entries, int count,
                                DatabaseFileVersion* version = nullptr,
                                const std::atomic<bool>* stop = nullptr, const StoredLines* lines = nullptr);

} // namespace tallyfox
