// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/programfont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>

namespace tallyfox::programfont {

QFont font(int pixelSize, bool bold)
{
    static const bool installed = QFontDatabase::hasFamily(QString::fromLatin1(kFamily));
    QFont font = installed ? QFont(QString::fromLatin1(kFamily))
                           : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont forLineHeight(int lineHeight, bool bold)
{
    for (int pixelSize = std::max(1, lineHeight); pixelSize > 1; --pixelSize) {
        const QFont candidate = font(pixelSize, bold);
        if (QFontMetrics(candidate).height() <= lineHeight)
            return candidate;
    }
    return font(1, bold);
}

} // namespace tallyfox::programfont
