// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/overviewchoices.h"

namespace tallyfox {

bool isTableView(OverviewView view)
{
    return view == OverviewView::ExpenseTypes || view == OverviewView::IntendedSources ||
           view == OverviewView::PaymentMethods;
}

QString viewMenuText(OverviewView view)
{
    switch (view) {
    case OverviewView::Overview:
        return QStringLiteral("Overview");
    case OverviewView::ExpenseTypes:
        return QStringLiteral("Expense types / month");
    case OverviewView::IntendedSources:
        return QStringLiteral("Int. sources / month");
    case OverviewView::PaymentMethods:
        return QStringLiteral("Paym. methods / month");
    case OverviewView::Charts:
        return QStringLiteral("Charts");
    }
    return QString();
}

QString viewFieldCaption(OverviewView view)
{
    switch (view) {
    case OverviewView::ExpenseTypes:
        return QStringLiteral("Type");
    case OverviewView::IntendedSources:
        return QStringLiteral("Int. Source");
    case OverviewView::PaymentMethods:
        return QStringLiteral("Paym. method");
    case OverviewView::Overview:
    case OverviewView::Charts:
        break;
    }
    return QString();
}

QStringList currencyChoiceItems(const CurrencyArray& currencies)
{
    const QString primaryName = currencies.isEmpty() ? QString() : currencies[0].name;
    QStringList items{QStringLiteral("Converted to ") + primaryName};
    for (const Currency& currency : currencies)
        items.append(currency.name);
    return items;
}

QStringList modeChoiceItems()
{
    return {QStringLiteral("Expenses - Income"), QStringLiteral("Expenses only"),
            QStringLiteral("Income only")};
}

TableMode tableModeOfChoice(int index)
{
    switch (index) {
    case 1:
        return TableMode::ExpensesOnly;
    case 2:
        return TableMode::IncomeOnly;
    default:
        return TableMode::ExpensesMinusIncome;
    }
}

} // namespace tallyfox
