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
    // Adds another section's totals after this one's, its currency c counted as groupOf[c]; groups new
    // here follow in the other's order.
    void absorb(const SectionTotals& other, const std::vector<int>& groupOf);

    [[nodiscard]] int count() const { return m_count; }
    [[nodiscard]] const std::vector<Group>& groups() const { return m_groups; }

private:
    [[nodiscard]] Group& groupFor(int currency);

    // The first currencies' groups are found by their number; past them a hand-made file with a
    // currency per entry must neither make the report quadratic nor give every section a table as
    // large as the file.
    static constexpr int kDirectCurrencies = 64;
    int m_count = 0;
    std::vector<Group> m_groups;
    std::vector<int> m_directPositions; // by currency below kDirectCurrencies; -1: no group yet
    std::unordered_map<int, size_t> m_positions;
};

} // namespace tallyfox
