// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/showntotals.h"

#include "core/appstate.h"
#include "core/textforms.h"

#include <QCoreApplication>

namespace tallyfox {

QString shownTotalsText(const ShownTotals& totals, const AppState& state)
{
    const QString mark = totals.notAllConverted ? QStringLiteral("?") : QString();
    const QString primary = state.currencies.isEmpty() ? QString() : state.currencies[0].name;
    QString text =
        QCoreApplication::translate(
            "ShownTotals", "%1 of %2 entries \u00b7 expenses %3%4 \u00b7 income %5%6 \u00b7 balance %7%8")
            .arg(QString::number(totals.shown), QString::number(totals.total), amountText(totals.expenses),
                 mark, amountText(totals.income), mark, amountText(totals.income - totals.expenses), mark);
    if (!primary.isEmpty())
        text += u' ' + primary;
    if (totals.notAllConverted)
        text += u'\n' + QCoreApplication::translate("ShownTotals", "(Not all currencies found in list!)");
    return text;
}

} // namespace tallyfox
