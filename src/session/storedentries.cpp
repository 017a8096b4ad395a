// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/storedentries.h"

#include "session/changejournal.h"

#include <algorithm>
#include <cmath>

namespace tallyfox {

namespace {

// Scans of the whole table before a table of every line pays for itself.
constexpr int kScansBeforeTable = 8;

// What the file keeps of an entry exactly, compared before its whole line is made.
bool maybeStoredAlike(const Expense& a, const Expense& b)
{
    return a.income == b.income && a.hasReceipt == b.hasReceipt && std::floor(a.date) == std::floor(b.date);
}

} // namespace

StoredEntries::StoredEntries(const ExpenseArray& entries)
    : m_entries(entries), m_taken(size_t(entries.count()), false)
{}

int StoredEntries::scan(const Expense& entry, const QByteArray& line, int near) const
{
    const int count = m_entries.count();
    near = std::clamp(near, 0, std::max(0, count - 1));
    // Outwards from the place expected: other changes move an entry by a few places at most.
    for (int step = 0; near + step < count || near - step >= 0; ++step) {
        for (const int row : {near + step, near - step}) {
            if (row >= 0 && row < count && !m_taken[size_t(row)] && maybeStoredAlike(m_entries[row], entry) &&
                storedLine(m_entries[row]) == line)
                return row;
            if (step == 0)
                break;
        }
    }
    return -1;
}

int StoredEntries::take(const Expense& entry, int expected)
{
    const QByteArray line = storedLine(entry);
    int row = -1;
    if (expected >= 0 && expected < m_entries.count() && !m_taken[size_t(expected)] &&
        storedLine(m_entries[expected]) == line) {
        row = expected;
    } else if (!m_rows && m_scans < kScansBeforeTable) {
        ++m_scans;
        row = scan(entry, line, expected);
    } else {
        if (!m_rows) {
            m_rows.emplace();
            m_rows->reserve(m_entries.count());
            // Listed from the last row down, so that of equal entries the first is taken first.
            for (int i = m_entries.count() - 1; i >= 0; --i) {
                if (!m_taken[size_t(i)])
                    (*m_rows)[storedLine(m_entries[i])].append(i);
            }
        }
        const auto found = m_rows->find(line);
        while (found != m_rows->end() && !found->isEmpty() && row < 0) {
            const int candidate = found->takeLast();
            if (!m_taken[size_t(candidate)])
                row = candidate;
        }
    }
    if (row >= 0)
        m_taken[size_t(row)] = true;
    return row;
}

} // namespace tallyfox
