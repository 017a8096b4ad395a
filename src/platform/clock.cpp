// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/clock.h"

namespace tallyfox {

Clock Clock::fromEnvironment()
{
    const QString pinned = qEnvironmentVariable("TALLYFOX_NOW");
    if (const auto time = parsePinnedTime(pinned))
        return Clock(*time);
    return Clock();
}

std::optional<QString> Clock::environmentProblem()
{
    const QString pinned = qEnvironmentVariable("TALLYFOX_NOW");
    if (pinned.isEmpty() || parsePinnedTime(pinned))
        return std::nullopt;
    return QStringLiteral("TALLYFOX_NOW must be a date as YYYY-MM-DD or a date and time as "
                          "YYYY-MM-DDTHH:MM:SS: %1")
        .arg(pinned);
}

std::optional<QDateTime> Clock::parsePinnedTime(const QString& text)
{
    const QString trimmed = text.trimmed();
    QDateTime time = QDateTime::fromString(trimmed, u"yyyy-MM-dd'T'HH:mm:ss");
    if (!time.isValid()) {
        const QDate date = QDate::fromString(trimmed, u"yyyy-MM-dd");
        if (date.isValid())
            time = QDateTime(date, QTime(0, 0));
    }
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QDateTime Clock::now() const
{
    return m_pinned ? *m_pinned : QDateTime::currentDateTime();
}

} // namespace tallyfox
