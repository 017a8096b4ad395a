// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"
#include "core/growablearray.h"
#include "platform/filesystem.h"
#include "platform/largememory.h"

#include <memory>
#include <vector>

namespace tallyfox {

// Where the line of each entry lies in the file the entries were read from, with that file kept open,
// so that a write whose entries begin or end with an unchanged run of the file's lines copies them from
// the file instead of making them again: a file with an entry added, changed or removed is copied but
// for that entry's line. An
// entry counts as unchanged while its fields hash as those of the entry read from its line (texts by
// their numbers, which the store never gives to another text), so a change, a stale line number or an
// entry copied elsewhere ends the run: certainly when the change lies within one of the hash's words,
// else but for a chance of about one in 2^64. Only lines that a write would make the same way in form are
// noted (UTF-8, thirteen fields, CR LF), and nothing is copied from a file that has changed since it was
// read.
class StoredLines
{
public:
    void reserve(size_t lines) { m_lines.reserve(lines); }
    // Notes the line that the entry was just read from, with its line end, and gives the entry its
    // number. A line that a run could not take (beyond a terabyte, or over 16 MB long) is not noted.
    void add(qint64 begin, qint64 size, Expense& entry);
    // Takes over the lines of the part of the file after this one's; the entries read from them move
    // their numbers on by the lines this part holds, which it returns.
    quint32 appendLater(StoredLines&& later);
    // Keeps the file that the lines were read from open, with its stamp from before they were read.
    // False when it cannot be.
    bool keepFile(int fd, const FileStamp& stamp);

    // Entries that are still, one after another, the entries of lines that follow each other in the
    // file, and the bytes of those lines.
    struct Run
    {
        int entries = 0;
        qint64 begin = 0;
        qint64 end = 0;
    };
    // The longest such runs at the start and at the end of the first count entries; they do not overlap.
    struct Runs
    {
        Run first;
        Run last;
    };
    [[nodiscard]] Runs unchangedRuns(const ExpenseArray& entries, int count) const;
    // The file kept, while it is as it was read; nothing otherwise.
    [[nodiscard]] const KeptFile* file() const;

    // A hash of all that a line holds: the texts' numbers and the numbers' bits as they are written.
    [[nodiscard]] static quint64 fieldsHash(const Expense& entry);

private:
    // The run from entries[start] on (step 1) or back from it (step -1), stopping at limit.
    [[nodiscard]] Run runAt(const ExpenseArray& entries, int start, int limit, int step) const;

    static constexpr int kSizeBits = 24;
    struct Line
    {
        quint64 place; // the line's first byte in the file, above its size in kSizeBits bits
        quint64 fieldsHash;
    };

    std::unique_ptr<KeptFile> m_file;
    LargeVector<Line> m_lines;
};

} // namespace tallyfox
