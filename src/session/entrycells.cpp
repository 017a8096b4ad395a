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

QString entryCellText(const AppState& state, const TExpense& entry, int column)
{
    switch (static_cast<ListColumn>(column)) {
    case ListColumn::What:
        return entry.Type;
    case ListColumn::Receipt:
        return ReceiptText(entry);
    case ListColumn::Note:
        return entry.Note;
    case ListColumn::Date:
        return DateText(entry.Date, state.Locale);
    case ListColumn::Currency:
        return entry.Currency;
    case ListColumn::Amount:
        return EntryAmountText(entry, state.settings.IncomeIsPositive);
    case ListColumn::PaidWith:
        return entry.PaidWith;
    case ListColumn::IntendedSource:
        return entry.IntendedSource;
    case ListColumn::PrimaryAmount:
        return PrimaryAmountText(state.Currencies, entry.Amount, entry.Currency, entry.Income,
                                 state.settings.IncomeIsPositive);
    }
    return {};
}

} // namespace tallyfox
