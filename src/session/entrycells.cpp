#include "session/entrycells.h"

#include "core/textforms.h"
#include "money/currencytable.h"

namespace tallyfox {

int identifierOfColumn(int column)
{
    for (int k = 0; k < kListColumnCount; ++k) {
        if (kColumnOfIdentifier[static_cast<size_t>(k)] == column)
            return k;
    }
    return -1;
}

int sortKeyOfColumn(int column)
{
    switch (static_cast<ListColumn>(column)) {
    case ListColumn::What:
        return static_cast<int>(SortKey::Name);
    case ListColumn::Receipt:
        return static_cast<int>(SortKey::Receipt);
    case ListColumn::Date:
        return static_cast<int>(SortKey::Date);
    case ListColumn::Currency:
    case ListColumn::Amount:
        return static_cast<int>(SortKey::Amount);
    case ListColumn::PaidWith:
        return static_cast<int>(SortKey::PaidWith);
    case ListColumn::IntendedSource:
        return static_cast<int>(SortKey::IntendedSource);
    case ListColumn::Note:
    case ListColumn::PrimaryAmount:
        break;
    }
    return -1;
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
        return primaryAmountText(state.currencies, entry.amount, entry.currency, entry.income,
                                 state.settings.incomeIsPositive);
    }
    return {};
}

} // namespace tallyfox
