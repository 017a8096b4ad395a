// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/programstyle.h"

#include "toolkit/programfont.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyleOptionMenuItem>

namespace tallyfox {

ProgramStyle::ProgramStyle(const QString& baseStyle)
    : QProxyStyle(baseStyle.isEmpty() ? QStringLiteral("Fusion") : baseStyle)
{}

QString ProgramStyle::chosenStyle(const QStringList& arguments, const QString& styleOverride)
{
    // Read as Qt reads its own options: the last one given counts.
    QString chosen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QStringView argument = arguments[i];
        if (argument.startsWith(u"--"))
            argument = argument.sliced(1);
        if (argument == u"-style" && i + 1 < arguments.size())
            chosen = arguments[++i];
        else if (argument.startsWith(u"-style="))
            chosen = argument.sliced(7).toString();
    }
    return chosen.isEmpty() ? styleOverride.trimmed() : chosen;
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    // The list's columns are specified in a few dozen pixels: a caption of a 40-pixel column needs all but
    // one pixel on each side, and so do a cell's date and amount.
    if (metric == PM_HeaderMargin)
        return 1;
    if (metric == PM_FocusFrameHMargin && qobject_cast<const QAbstractItemView*>(widget))
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize ProgramStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                     const QWidget* widget) const
{
    QSize wanted = QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto* menuItem = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const bool separator = menuItem && menuItem->menuItemType == QStyleOptionMenuItem::Separator;
    if ((type == CT_MenuItem && !separator) || type == CT_PushButton)
        wanted.setHeight(std::max(wanted.height(), kTouchHeight));
    return wanted;
}

void ProgramStyle::install(const QString& chosenStyle)
{
    QApplication::setStyle(new ProgramStyle(chosenStyle));
    if (chosenStyle.isEmpty()) {
        QApplication::setFont(programfont::font());
        return;
    }
    QFont usersFace = QApplication::font();
    usersFace.setPixelSize(programfont::kTextPixelSize);
    QApplication::setFont(usersFace);
}

} // namespace tallyfox
