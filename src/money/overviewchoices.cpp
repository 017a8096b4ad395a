// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/overviewchoices.h"

#include <QCoreApplication>

// The menu and choice texts are marked for the window's translation and stay English here; the window
// translates them. The month table's captions come in the language of the translator installed, which
// tallyfox-cli never installs.
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
        return QString::fromLatin1(QT_TRANSLATE_NOOP("OverviewChoices", "Overview"));
    case OverviewView::ExpenseTypes:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("OverviewChoices", "Expense types / month"));
    case OverviewView::IntendedSources:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("OverviewChoices", "Int. sources / month"));
    case OverviewView::PaymentMethods:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("OverviewChoices", "Paym. methods / month"));
    case OverviewView::Charts:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("OverviewChoices", "Charts"));
    }
    return QString();
}

StoredText viewField(const Expense& entry, OverviewView view)
{
    switch (view) {
    case OverviewView::IntendedSources:
        return entry.intendedSource;
    case OverviewView::PaymentMethods:
        return entry.paidWith;
    default:
        return entry.type;
    }
}

QString viewFieldCaption(OverviewView view)
{
    switch (view) {
    case OverviewView::ExpenseTypes:
        return QCoreApplication::translate("MonthTable", "Type");
    case OverviewView::IntendedSources:
        return QCoreApplication::translate("MonthTable", "Int. Source");
    case OverviewView::PaymentMethods:
        return QCoreApplication::translate("MonthTable", "Paym. method");
    case OverviewView::Overview:
    case OverviewView::Charts:
        break;
    }
    return QString();
}

QStringList currencyChoiceItems(const CurrencyArray& currencies)
{
    const QString primaryName = currencies.isEmpty() ? QString() : currencies[0].name;
    QStringList items{
        QString::fromLatin1(QT_TRANSLATE_NOOP("OverviewChoices", "Converted to %1")).arg(primaryName)};
    for (const Currency& currency : currencies)
        items.append(currency.name);
    return items;
}

QStringList modeChoiceItems()
{
    return {QString::fromLatin1(QT_TRANSLATE_NOOP("OverviewChoices", "Expenses - Income")),
            QString::fromLatin1(QT_TRANSLATE_NOOP("OverviewChoices", "Expenses only")),
            QString::fromLatin1(QT_TRANSLATE_NOOP("OverviewChoices", "Income only"))};
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
