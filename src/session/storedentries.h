// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <optional>
#include <vector>

namespace tallyfox {

// Finds entries among these by the line the database file stores for them (storedLine), each at most
// once: at the place expected first, then by a scan that reads the line only of entries of the same day
// and kind, and once many have been looked for, through a table of every entry's line built once.
class StoredEntries
{
public:
    explicit StoredEntries(const ExpenseArray& entries);

    // The index of an entry not taken yet that is stored as this one, now taken; -1 when there is none.
    [[nodiscard]] int take(const Expense& entry, int expected);

private:
    [[nodiscard]] int scan(const Expense& entry, const QByteArray& line, int near) const;

    const ExpenseArray& m_entries;
    std::vector<bool> m_taken;
    int m_scans = 0;
    std::optional<QHash<QByteArray, QList<int>>> m_rows;
};

} // namespace tallyfox
