// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"
#include "storage/databasefile.h"
#include "storage/entrysink.h"
#include "storage/storedlines.h"

#include <QByteArrayView>
#include <memory>

namespace tallyfox {

// Turns database content into entries, a piece at a time, so that a large file can be read through a
// small buffer. Texts that repeat are shared among the entries. Given sinks, it keeps no entries: each
// batch goes to its part's sink as soon as it is read.
class DatabaseReader
{
public:
    struct Caches;

    explicit DatabaseReader(DatabaseReadPurpose purpose = DatabaseReadPurpose::Everything,
                            EntrySinks* sinks = nullptr);
    ~DatabaseReader();

    // Room for this many entries, so the array is allocated once.
    void reserve(qsizetype lines);
    // Reads the lines of a piece of content. Every piece but the last ends at a line end. Read for a
    // change, the lines are noted where they lie in the file: the content from offset on.
    void readLines(QByteArrayView content, qint64 offset = -1);
    // Read for a change, where the entries' lines lie in the file; nothing otherwise.
    [[nodiscard]] StoredLines* lines() { return m_lines.get(); }
    // Counts a line that was too long to read as one the file held besides entries.
    void skipLine() { ++m_summary.otherLines; }
    // The entries read so far, none when they go to a sink.
    [[nodiscard]] ExpenseArray& entries() { return m_entries; }
    // A reader for a later part of the same file, with its own sink.
    [[nodiscard]] std::unique_ptr<DatabaseReader> forLaterPart() const;
    // The header, entry and other lines seen so far.
    [[nodiscard]] const DatabaseReadSummary& summary() const { return m_summary; }
    void setSummary(const DatabaseReadSummary& summary) { m_summary = summary; }

private:
    void handOver();

    std::unique_ptr<Caches> m_caches;
    ExpenseArray m_entries;
    DatabaseReadSummary m_summary;
    DatabaseReadPurpose m_purpose;
    EntrySinks* m_sinks = nullptr;
    EntrySink* m_sink = nullptr;
    std::unique_ptr<StoredLines> m_lines;
};

} // namespace tallyfox
