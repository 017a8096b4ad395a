// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"
#include "core/growablearray.h"
#include "session/importmapping.h"
#include "storage/delimitedtext.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <functional>
#include <vector>

namespace tallyfox {

// A row of an imported file as it would be stored, and the line of the file it starts on.
struct ImportRow
{
    qsizetype line = 0;
    Expense entry;
};

// A row that gives no entry, and why: "no date", "amount \"abc\" is not a number".
struct RejectedRow
{
    qsizetype line = 0;
    QString reason;

    friend bool operator==(const RejectedRow&, const RejectedRow&) = default;
};

// A row left out because an entry with the same date, amount, currency and type or note is there
// already, or came on an earlier line (sameAsLine).
struct DuplicateRow
{
    qsizetype line = 0;
    // The earlier line of the file; 0 when the entry is in the database.
    qsizetype sameAsLine = 0;
};

// What an import stored: how many entries were added, and the rows left out as duplicates.
struct ImportTally
{
    qsizetype added = 0;
    std::vector<DuplicateRow> duplicates;
};

// Told how much of a piece of work is done: done of total steps.
using ImportProgress = std::function<void(qsizetype done, qsizetype total)>;

// What rows take that the file does not give: the mapping's currency and type first, then these.
struct ImportDefaults
{
    QLocale locale;
    QDate today;
    // The primary currency (or the last used one when there is no currency table).
    QString currency;
    QString intendedSource;
    QString paidWith;
};

// The rows of a table and what became of them.
struct ConvertedRows
{
    std::vector<ImportRow> rows;
    QList<RejectedRow> rejected;
    // The date format and decimal mark the cells were read with, found from them when the mapping
    // left them open, and the other date formats that would read every date as well.
    QString dateFormat;
    QChar decimalMark;
    QStringList otherDateFormats;
};

// Makes entries of the records after the header (all records when the mapping has none). Texts are
// kept as the database keeps them: trimmed, with tabs and line ends as blanks. A record whose date or
// amount cannot be read is rejected with the reason; so is one with an amount of 0 and no type, which
// the database would not keep. Progress, when given, is told the records done now and then.
[[nodiscard]] ConvertedRows convertRecords(const DelimitedTable& table, const ImportMapping& mapping,
                                           const ImportDefaults& defaults,
                                           const std::function<void(qsizetype)>& progress = {});

// The cells of one column in the records after the header, for finding formats.
[[nodiscard]] QList<QStringView> columnCells(const DelimitedTable& table, int column, bool skipHeader);

// Leaves out of rows those that are duplicates of an entry already there or of an earlier row, and
// returns them in file order.
[[nodiscard]] std::vector<DuplicateRow> leaveOutDuplicates(std::vector<ImportRow>& rows,
                                                           const ExpenseArray& existing);

} // namespace tallyfox
