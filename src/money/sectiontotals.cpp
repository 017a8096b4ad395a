// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/sectiontotals.h"

namespace tallyfox {

void SectionTotals::add(int currency, bool isIncome, double amount)
{
    ++m_count;
    Group& group = groupFor(currency);
    (isIncome ? group.income : group.expense) += amount;
}

void SectionTotals::absorb(const SectionTotals& other, const std::vector<int>& groupOf)
{
    m_count += other.m_count;
    for (const Group& part : other.m_groups) {
        Group& group = groupFor(groupOf[static_cast<size_t>(part.currency)]);
        group.income += part.income;
        group.expense += part.expense;
    }
}

SectionTotals::Group& SectionTotals::groupFor(int currency)
{
    if (currency >= 0 && currency < kDirectCurrencies) {
        const auto index = static_cast<size_t>(currency);
        if (index >= m_directPositions.size())
            m_directPositions.resize(index + 1, -1);
        int& position = m_directPositions[index];
        if (position < 0) {
            position = static_cast<int>(m_groups.size());
            m_groups.push_back(Group{currency});
        }
        return m_groups[static_cast<size_t>(position)];
    }
    if (const auto found = m_positions.find(currency); found != m_positions.end())
        return m_groups[found->second];
    m_positions.emplace(currency, m_groups.size());
    m_groups.push_back(Group{currency});
    return m_groups.back();
}

} // namespace tallyfox
