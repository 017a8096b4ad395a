// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/entrycells.h"

#include "core/textforms.h"
#include "money/currencytable.h"

namespace tallyfox {

std::optional<SortKey> sortKeyOfColumn(int column)
{
    switch (static_cast<ListColumn>(column)) {
    case ListColumn::What:
        return SortKey::Name;
    case ListColumn::Receipt:
        return SortKey::Receipt;
    case ListColumn::Date:
        return SortKey::Date;
    case ListColumn::Currency:
    case ListColumn::Amount:
        return SortKey::Amount;
    case ListColumn::PaidWith:
        return SortKey::PaidWith;
    case ListColumn::IntendedSource:
        return SortKey::IntendedSource;
    case ListColumn::Note:
    case ListColumn::PrimaryAmount:
        break;
    }
    return std::nullopt;
}

QString entryCellText(const AppState& state, const Expense& entry, int column)
{
    switch (static_cast<ListColumn>(column)) {
    case ListColumn::What:
        return entry.type;
    case ListColumn::Receipt:
        return receiptText(entry);
    case ListColumn::Note:
        return entry.note;
    case ListColumn::Date:
        return dateText(entry.date, state.locale);
    case ListColumn::Currency:
        return entry.currency;
    case ListColumn::Amount:
        return entryAmountText(entry, state.settings.incomeIsPositive);
    case ListColumn::PaidWith:
        return entry.paidWith;
    case ListColumn::IntendedSource:
        return entry.intendedSource;
    case ListColumn::PrimaryAmount:
        return primaryAmountText(state.currencies, entry.amount, entry.currency.view(), entry.income,
                                 state.settings.incomeIsPositive);
    }
    return {};
}

} // namespace tallyfox
