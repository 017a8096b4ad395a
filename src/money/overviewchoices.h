// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"

#include <QString>
#include <QStringList>

namespace tallyfox {

// The overview's views; 1 to 3 are the month tables, 4 the charts.
enum class OverviewView
{
    Overview = 0,
    ExpenseTypes = 1,
    IntendedSources = 2,
    PaymentMethods = 3,
    Charts = 4,
};

[[nodiscard]] bool isTableView(OverviewView view);
// The view's menu item: "Overview", "Expense types / month", "Int. sources / month", "Paym. methods / month",
// "Charts".
[[nodiscard]] QString viewMenuText(OverviewView view);
// The caption of a month table's first and last column: "Type", "Int. Source", "Paym. method".
[[nodiscard]] QString viewFieldCaption(OverviewView view);
// The field of an entry that a month table (and its chart) counts: the type, the intended source or the
// payment method.
[[nodiscard]] StoredText viewField(const Expense& entry, OverviewView view);

// The currency choice: "Converted to " + the primary currency's name, then every currency of the table
// in table order, the primary included.
[[nodiscard]] QStringList currencyChoiceItems(const CurrencyArray& currencies);

// The mode choice, by index: how expenses and incomes enter a month table.
enum class TableMode
{
    ExpensesMinusIncome = 0,
    ExpensesOnly = 1,
    IncomeOnly = 2,
};
[[nodiscard]] QStringList modeChoiceItems();
// The mode of a choice index; an index outside the choices counts as the first one.
[[nodiscard]] TableMode tableModeOfChoice(int index);

} // namespace tallyfox
