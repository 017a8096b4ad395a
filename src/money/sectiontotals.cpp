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

SectionTotals::Group& SectionTotals::groupFor(int currency)
{
    if (m_groups.size() <= kGroupsSearchedInTurn) {
        for (Group& group : m_groups) {
            if (group.currency == currency)
                return group;
        }
    } else {
        if (m_positions.empty()) {
            for (size_t i = 0; i < m_groups.size(); ++i)
                m_positions.emplace(m_groups[i].currency, i);
        }
        if (const auto found = m_positions.find(currency); found != m_positions.end())
            return m_groups[found->second];
        m_positions.emplace(currency, m_groups.size());
    }
    m_groups.push_back(Group{currency});
    return m_groups.back();
}

} // namespace tallyfox
