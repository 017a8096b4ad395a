// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <ostream>
#include <type_traits>

// Readable failures for texts and dates, shared by every test that compares them: one definition, so that
// test files compiled together never meet two.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << '"' << bytes.toStdString() << '"';
}

template <typename Date>
requires std::is_same_v<Date, QDate> || std::is_same_v<Date, QDateTime>
void PrintTo(const Date& date, std::ostream* out)
{
    *out << date.toString(Qt::ISODate).toStdString();
}
