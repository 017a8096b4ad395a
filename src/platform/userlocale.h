// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QCollator>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>

namespace tallyfox {

// The user's regional settings: how texts compare and how dates and times read.
// Created once by the program from the system locale; tests create one with a pinned locale.
class UserLocale
{
public:
    explicit UserLocale(const QLocale& locale);

    [[nodiscard]] const QLocale& locale() const { return m_locale; }

    // Locale-aware comparison with case ignored: negative, zero or positive.
    [[nodiscard]] int compareText(QStringView a, QStringView b) const;

    [[nodiscard]] QString shortDate(QDate date) const;
    [[nodiscard]] QString dayName(QDate date) const;
    [[nodiscard]] QString timeWithSeconds(QTime time) const;

private:
    QLocale m_locale;
    QCollator m_collator;
};

} // namespace tallyfox
