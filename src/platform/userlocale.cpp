// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/userlocale.h"

namespace tallyfox {

UserLocale::UserLocale(const QLocale& locale) : m_locale(locale), m_collator(locale)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    m_collator.setIgnorePunctuation(false);
}

int UserLocale::compareText(QStringView a, QStringView b) const
{
    return m_collator.compare(a, b);
}

QString UserLocale::shortDate(QDate date) const
{
    // The C locale's short form ("3 Jan 10") is neither numeric nor short; ISO dates are both.
    if (m_locale.language() == QLocale::C)
        return date.toString(Qt::ISODate);
    return m_locale.toString(date, QLocale::ShortFormat);
}

QString UserLocale::dayName(QDate date) const
{
    return m_locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
}

QString UserLocale::timeWithSeconds(QTime time) const
{
    // The short time form of most locales has no seconds and the long one adds a time zone,
    // so seconds are added to the short form after its minutes.
    QString format = m_locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(u's')) {
        const qsizetype minutes = format.lastIndexOf(u"mm");
        if (minutes >= 0)
            format.insert(minutes + 2, u":ss");
    }
    return m_locale.toString(time, format);
}

} // namespace tallyfox
