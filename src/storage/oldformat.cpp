// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/oldformat.h"

#include "core/daycount.h"
#include "storage/databasefile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace tallyfox {

namespace {

// A double stored as the hex digits of its eight bytes, least significant byte first. Bytes that the text
// does not reach stay 0. Nothing when not even one byte was read.
std::optional<double> oldFormatDouble(const IniSection& section, const QString& key)
{
    const QByteArray bytes = section.hexBytes(key, 8);
    if (bytes.isEmpty())
        return std::nullopt;
    std::uint64_t bits = 0;
    for (qsizetype i = bytes.size() - 1; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
    return std::bit_cast<double>(bits);
}

QString oldFormatText(const IniSection& section, const QString& key, const QString& fallback)
{
    const QString text = section.text(key, QString());
    return text.isEmpty() ? fallback : text;
}

} // namespace

QString oldDatabasePath(const AppState& state)
{
    return state.settingsFolder + QString::fromUtf16(kOldDatabaseFileName);
}

ExpenseArray readOldFormatEntries(const IniReader& ini, const QDateTime& now)
{
    static const QString kUnknown = QStringLiteral("Unknown");
    const double nowDayCount =
        dayCountFromQDate(now.date()) + now.time().msecsSinceStartOfDay() / (24.0 * 60 * 60 * 1000);

    const IniSection mainSection = ini.section(QStringLiteral("Main"));
    // Every entry had a section of its own, so a count beyond the number of lines is damage, not entries.
    const auto count = static_cast<int>(std::clamp<qsizetype>(
        mainSection.number(QStringLiteral("Nr of expenses"), 0), 0, ini.lines().size()));

    ExpenseArray read;
    read.reserve(count);
    for (int number = 1; number <= count; ++number) {
        const IniSection section = ini.section(QStringLiteral("Expense") + QString::number(number));
        Expense& entry = read.append();
        // A date that names no calendar day would sort and show as nonsense; it counts as missing.
        const auto date = oldFormatDouble(section, QStringLiteral("Date"));
        entry.date = date && *date != 0.0 && dateFromDayCount(*date) ? *date : nowDayCount;
        const double amount = oldFormatDouble(section, QStringLiteral("Amount")).value_or(0.0);
        entry.amount =
            std::isfinite(amount) ? std::clamp(amount, -kLargestStoredAmount, kLargestStoredAmount) : 0.0;
        entry.income = section.number(QStringLiteral("Income"), 0) != 0;
        entry.currency = oldFormatText(section, QStringLiteral("Currency"), QStringLiteral("?"));
        entry.type = oldFormatText(section, QStringLiteral("Name"), kUnknown);
        entry.intendedSource = oldFormatText(section, QStringLiteral("Intended source"), kUnknown);
        entry.paidWith = oldFormatText(section, QStringLiteral("Paid with"), kUnknown);
        entry.note = section.text(QStringLiteral("Note"), QString());
        // The old layout had no receipts.
        entry.hasReceipt = false;
        entry.receipt = QStringLiteral("00");
        entry.justChanged = false;
    }
    return read;
}

FileResult convertOldDatabase(AppState& state, const QDateTime& now)
{
    const IniReader ini(oldDatabasePath(state), state.locale);
    if (!ini.loadResult().ok())
        return ini.loadResult();
    state.entries = readOldFormatEntries(ini, now);
    return {};
}

} // namespace tallyfox
