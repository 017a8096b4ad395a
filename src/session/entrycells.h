// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"

#include <QString>
#include <array>
#include <optional>

namespace tallyfox {

// The entry list's logical columns, in creation order; their numbers select sort keys and name cells
// wherever the columns are displayed.
enum class ListColumn
{
    What = 0,
    Receipt = 1,
    Note = 2,
    Date = 3,
    Currency = 4,
    Amount = 5,
    PaidWith = 6,
    IntendedSource = 7,
    PrimaryAmount = 8,
};
inline constexpr int kListColumnCount = 9;

// The list's column that shows a column.
[[nodiscard]] constexpr ListColumn listColumnOf(ColumnId column)
{
    switch (column) {
    case ColumnId::Type:
        return ListColumn::What;
    case ColumnId::Date:
        return ListColumn::Date;
    case ColumnId::Currency:
        return ListColumn::Currency;
    case ColumnId::Amount:
        return ListColumn::Amount;
    case ColumnId::PaidWith:
        return ListColumn::PaidWith;
    case ColumnId::IntendedSource:
        return ListColumn::IntendedSource;
    case ColumnId::Receipt:
        return ListColumn::Receipt;
    case ColumnId::Note:
        return ListColumn::Note;
    case ColumnId::PrimaryAmount:
        break;
    }
    return ListColumn::PrimaryAmount;
}

// The number of the list's column (its model section) that shows a column.
[[nodiscard]] constexpr int listSectionOf(ColumnId column)
{
    return static_cast<int>(listColumnOf(column));
}

// The sort key that a tap on the column's header chooses; none for the note and the primary amount.
[[nodiscard]] std::optional<SortKey> sortKeyOfColumn(int column);

// The text of one cell of the entry list.
[[nodiscard]] QString entryCellText(const AppState& state, const Expense& entry, int column);

} // namespace tallyfox
