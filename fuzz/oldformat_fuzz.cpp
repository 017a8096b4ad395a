// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Any bytes read as an old-format database: nothing crashes, every entry has a calendar day and an amount
// that the database file can hold, and the entries can be written in the current format.
#include "core/daycount.h"
#include "storage/databasefile.h"
#include "storage/oldformat.h"

#include <QBuffer>
#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tallyfox;
    static const UserLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    static const QDateTime now(QDate(2010, 1, 3), QTime(12, 30, 45));

    const IniReader ini(locale,
                        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const ExpenseArray entries = readOldFormatEntries(ini, now);
    if (entries.count() > ini.lines().size())
        abort();
    for (const Expense& entry : entries) {
        if (!dateFromDayCount(entry.date) || !std::isfinite(entry.amount) ||
            std::fabs(entry.amount) > kLargestStoredAmount || entry.currency.isEmpty() ||
            entry.type.isEmpty())
            abort();
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeDatabaseContent(buffer, entries, entries.count()))
        abort();
    return 0;
}
