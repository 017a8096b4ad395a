// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/thismonth.h"

#include "core/appstate.h"
#include "core/textforms.h"
#include "money/currencylookup.h"
#include "money/overviewreport.h"
#include "money/sectiontotals.h"

#include <QCoreApplication>

namespace tallyfox {

ConvertedTotals thisMonthTotals(const AppState& state, QDate today)
{
    const MonthBounds bounds = monthBoundsOf(today);
    CurrencyLookup lookup(state.currencies);
    SectionTotals section;
    for (const Expense& entry : state.entries) {
        if (entry.date >= bounds.thisMonthStart && entry.date < bounds.nextMonthStart)
            section.add(lookup.groupOf(entry.currency), entry.income, entry.amount);
    }
    return convertSection(section, lookup);
}

QString thisMonthText(const ConvertedTotals& totals)
{
    // The amount stays with its word when the line breaks.
    return QCoreApplication::translate("ThisMonth", "This month: expenses\u00a0%1 · income\u00a0%2")
        .arg(amountText(totals.expense), amountText(totals.income));
}

} // namespace tallyfox
