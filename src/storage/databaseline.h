// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QByteArrayView>

namespace tallyfox {

// The fields of a database line in their order: the tag ("item" on an entry line) and the entry's
// twelve fields.
enum class DatabaseField
{
    Tag,
    Year,
    Month,
    Day,
    Currency,
    Amount,
    Income,
    Type,
    IntendedSource,
    PaidWith,
    HasReceipt,
    Receipt,
    Note,
};

// One line of a database file, cut at its first tabs into its fields (later fields are ignored). A
// field after the line's last tab is empty.
struct DatabaseLine
{
    static constexpr int kFieldCount = static_cast<int>(DatabaseField::Note) + 1;

    [[nodiscard]] QByteArrayView field(DatabaseField which) const { return fields[static_cast<int>(which)]; }

    QByteArrayView fields[kFieldCount]; // in the order of DatabaseField
    QByteArrayView text;                // the whole line without its line end
    bool ascii = true;
};

// Reads the line that starts at begin into line and returns where the next line starts. A line ends at
// CR LF, a lone CR, a lone LF or the end of the content. Each byte is looked at once, sixteen at a
// time where the processor allows. Given fewer wanted fields, the later ones stay empty and ascii
// speaks only for the wanted ones (it may also be false for a line that is ASCII there but not after).
[[nodiscard]] const char* readDatabaseLine(const char* begin, const char* end, DatabaseLine& line,
                                           int wantedFields = DatabaseLine::kFieldCount);

// The number of LF bytes.
[[nodiscard]] qsizetype countLineFeeds(QByteArrayView bytes);

} // namespace tallyfox
