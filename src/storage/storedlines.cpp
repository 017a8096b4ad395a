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

StoredLines::Run StoredLines::unchangedRun(const ExpenseArray& entries, int count) const
{
    Run run;
    count = std::min(count, entries.count());
    if (count == 0 || m_lines.empty())
        return run;
    const quint64 sizeMask = (quint64(1) << kSizeBits) - 1;
    quint64 expectedBegin = 0;
    for (const quint32 first = entries[0].storedLine; run.entries < count; ++run.entries) {
        const Expense& entry = entries[run.entries];
        const quint64 number = quint64(first) + quint64(run.entries);
        if (first == 0 || entry.storedLine != number || number > m_lines.size())
            break;
        const Line& line = m_lines[number - 1];
        const quint64 begin = line.place >> kSizeBits;
        if ((run.entries > 0 && begin != expectedBegin) || line.fieldsHash != fieldsHash(entry))
            break;
        if (run.entries == 0)
            run.begin = qint64(begin);
        expectedBegin = begin + (line.place & sizeMask);
    }
    run.end = run.entries > 0 ? qint64(expectedBegin) : 0;
    return run;
}

const KeptFile* StoredLines::file() const
{
    return m_file != nullptr && m_file->unchanged() ? m_file.get() : nullptr;
}

} // namespace tallyfox
