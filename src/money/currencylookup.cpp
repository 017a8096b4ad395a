// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/currencylookup.h"

#include "money/currencytable.h"

namespace tallyfox {

int CurrencyLookup::groupOf(const QString& currency)
{
    const int group = m_texts.idOf(currency);
    if (group == static_cast<int>(m_found.size())) {
        Found found;
        found.index = findCurrency(m_currencies, currency);
        if (found.index >= 0) {
            found.rate = m_currencies[found.index].rate;
            found.converts = isUsableRate(found.rate);
        }
        m_found.push_back(found);
    }
    return group;
}

double CurrencyLookup::toPrimary(int group, double amount) const
{
    const Found& found = m_found[static_cast<size_t>(group)];
    return found.converts ? convertByRate(amount, found.rate) : 0.0;
}

} // namespace tallyfox
