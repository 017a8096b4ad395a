// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/convertedtotals.h"

#include "money/currencylookup.h"
#include "money/sectiontotals.h"

namespace tallyfox {

ConvertedTotals convertSection(const SectionTotals& section, const CurrencyLookup& lookup)
{
    ConvertedTotals converted;
    converted.count = section.count();
    for (const SectionTotals::Group& group : section.groups()) {
        // A currency whose rate cannot convert counts as missing from the table.
        if (!lookup.converts(group.currency)) {
            converted.notAllFound = true;
            continue;
        }
        converted.income += lookup.toPrimary(group.currency, group.income);
        converted.expense += lookup.toPrimary(group.currency, group.expense);
        if (lookup.tableIndex(group.currency) > 0)
            converted.hasConverted = true;
    }
    return converted;
}

} // namespace tallyfox
