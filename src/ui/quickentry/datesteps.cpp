// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/quickentry/datesteps.h"

namespace tallyfox::datesteps {

namespace {

QDateTime withDay(const QDateTime& date, QDate day)
{
    if (!day.isValid() || day.year() < 1 || day.year() > 9999)
        return date;
    QDateTime moved = date;
    moved.setDate(day);
    return moved;
}

} // namespace

QDateTime addDays(const QDateTime& date, int days)
{
    return withDay(date, date.date().addDays(days));
}

QDateTime addMonths(const QDateTime& date, int months)
{
    return withDay(date, date.date().addMonths(months));
}

QDateTime addYears(const QDateTime& date, int years)
{
    return withDay(date, date.date().addYears(years));
}

} // namespace tallyfox::datesteps
