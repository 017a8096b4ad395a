// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/widgets/datepicker.h"

#include <QDateEdit>
#include <QLocale>

namespace tallyfox {

void showDatesAsTheUserWrites(QDateEdit& picker, const QLocale& locale)
{
    QString format = locale.language() == QLocale::C ? QStringLiteral("yyyy-MM-dd")
                                                     : locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    picker.setLocale(locale);
    picker.setDisplayFormat(format);
}

} // namespace tallyfox
