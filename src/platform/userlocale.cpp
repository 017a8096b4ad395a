// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/userlocale.h"

#include <iterator>

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
    if (m_locale.language() == QLocale::C) {
        if (!date.isValid() || date.year() < 0 || date.year() > 9999)
            return date.toString(Qt::ISODate);
        // Written digit by digit: a log of many entries asks for thousands of days.
        const int parts[] = {date.year() / 100, date.year() % 100, date.month(), date.day()};
        QString text(10, Qt::Uninitialized);
        QChar* at = text.data();
        for (size_t i = 0; i < std::size(parts); ++i) {
            if (i >= 2)
                *at++ = u'-';
            *at++ = QChar(u'0' + parts[i] / 10);
            *at++ = QChar(u'0' + parts[i] % 10);
        }
        return text;
    }
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
