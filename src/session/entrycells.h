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

// The logical column of each column setting identifier k ("Type", "Date", … "PrimaryAmount").
inline constexpr std::array<int, kListColumnCount> kColumnOfIdentifier = {0, 3, 4, 5, 6, 7, 1, 2, 8};

// The identifier index k of a logical column; none for a number that names no column.
[[nodiscard]] std::optional<int> identifierOfColumn(int column);

// The sort key that a tap on the column's header chooses; none for the note and the primary amount.
[[nodiscard]] std::optional<SortKey> sortKeyOfColumn(int column);

// The text of one cell of the entry list.
[[nodiscard]] QString entryCellText(const AppState& state, const Expense& entry, int column);

} // namespace tallyfox
