// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace tallyfox {

// The sums of one section of the overview report: the number of entries, and per currency group (in
// the order the section first met it) the income and the expense totals, each added up in entry order.
class SectionTotals
{
public:
    struct Group
    {
        int currency = 0;
        double income = 0.0;
        double expense = 0.0;
    };

    void add(int currency, bool isIncome, double amount);

    [[nodiscard]] int count() const { return m_count; }
    [[nodiscard]] const std::vector<Group>& groups() const { return m_groups; }

private:
    [[nodiscard]] Group& groupFor(int currency);

    // A section usually holds a handful of currencies, found faster by looking than by hashing; past
    // this many a hand-made file with a currency per entry must not make the report quadratic.
    static constexpr size_t kGroupsSearchedInTurn = 8;

    int m_count = 0;
    std::vector<Group> m_groups;
    std::unordered_map<int, size_t> m_positions;
};

} // namespace tallyfox
