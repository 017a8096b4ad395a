// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"
#include "money/overviewchoices.h"

#include <QDate>
#include <QString>
#include <optional>

namespace tallyfox {

// The entries a tap on a part of a chart asks the main list to show: those whose field (the table view's)
// holds the value exactly, dated from the first to the last day, and, as the chart's choices narrowed
// them, only expenses or incomes and only one currency of the table (by its name).
struct EntryPick
{
    OverviewView view = OverviewView::ExpenseTypes;
    QString value;
    QDate from;
    QDate to;
    std::optional<bool> income;
    std::optional<QString> currency;

    friend bool operator==(const EntryPick&, const EntryPick&) = default;
};

[[nodiscard]] bool isPicked(const Expense& entry, const EntryPick& pick);
// The first picked entry in the array's order, or -1.
[[nodiscard]] int firstPickedEntry(const ExpenseArray& entries, const EntryPick& pick);

} // namespace tallyfox
