// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/storedlines.h"

#include <cstring>

namespace tallyfox {

namespace {

quint64 bitsOf(double number)
{
    quint64 bits = 0;
    std::memcpy(&bits, &number, sizeof bits);
    return bits;
}

} // namespace

// Each word times an odd number of its own, the products summed and the sum spread by a bijection:
// the multiplications run side by side, and a change within one word always changes the hash.
quint64 StoredLines::fieldsHash(const Expense& entry)
{
    const quint64 flags = quint64(entry.income) | quint64(entry.hasReceipt) << 1;
    quint64 hash = (quint64(entry.type.id()) << 32 | entry.currency.id()) * 0x9E3779B97F4A7C15ULL +
                   (quint64(entry.intendedSource.id()) << 32 | entry.paidWith.id()) * 0xC2B2AE3D27D4EB4FULL +
                   (quint64(entry.note.id()) << 32 | entry.receipt.id()) * 0x165667B19E3779F9ULL +
                   bitsOf(entry.date) * 0xD6E8FEB86659FD93ULL + bitsOf(entry.amount) * 0xFF51AFD7ED558CCDULL +
                   flags * 0xC4CEB9FE1A85EC53ULL;
    hash ^= hash >> 32;
    hash *= 0xBF58476D1CE4E5B9ULL;
    return hash ^ (hash >> 29);
}

void StoredLines::add(qint64 begin, qint64 size, Expense& entry)
{
    if (begin < 0 || begin >= (qint64(1) << (64 - kSizeBits)) || size <= 0 ||
        size >= (qint64(1) << kSizeBits))
        return;
    entry.storedLine = static_cast<quint32>(m_lines.size() + 1);
    m_lines.push_back({quint64(begin) << kSizeBits | quint64(size), fieldsHash(entry)});
}

quint32 StoredLines::appendLater(StoredLines&& later)
{
    const auto before = static_cast<quint32>(m_lines.size());
    m_lines.insert(m_lines.end(), later.m_lines.begin(), later.m_lines.end());
    later.m_lines = {};
    return before;
}

bool StoredLines::keepFile(int fd, const FileStamp& stamp)
{
    m_file = KeptFile::keep(fd, stamp);
    return m_file != nullptr;
}

StoredLines::Runs StoredLines::unchangedRuns(const ExpenseArray& entries, int count) const
{
    count = std::min(count, entries.count());
    Runs runs;
    runs.first = runAt(entries, 0, count, 1);
    runs.last = runAt(entries, count - 1, runs.first.entries, -1);
    return runs;
}

StoredLines::Run StoredLines::runAt(const ExpenseArray& entries, int start, int limit, int step) const
{
    Run run;
    const quint64 sizeMask = (quint64(1) << kSizeBits) - 1;
    quint32 number = 0;
    for (int i = start; step > 0 ? i < limit : i >= limit; i += step) {
        const Expense& entry = entries[i];
        if (entry.storedLine == 0 || entry.storedLine > m_lines.size() ||
            (run.entries > 0 && entry.storedLine != number + quint32(step)))
            break;
        number = entry.storedLine;
        const Line& line = m_lines[number - 1];
        const auto begin = qint64(line.place >> kSizeBits);
        const qint64 end = begin + qint64(line.place & sizeMask);
        if ((run.entries > 0 && (step > 0 ? begin != run.end : end != run.begin)) ||
            line.fieldsHash != fieldsHash(entry))
            break;
        run.begin = run.entries == 0 || step < 0 ? begin : run.begin;
        run.end = run.entries == 0 || step > 0 ? end : run.end;
        ++run.entries;
    }
    return run;
}

const KeptFile* StoredLines::file() const
{
    return m_file != nullptr && m_file->unchanged() ? m_file.get() : nullptr;
}

} // namespace tallyfox
