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
std::optional<double> oldFormatDouble(IniFile& ini, const QString& key)
{
    unsigned char bytes[8] = {};
    if (!ini.iniBytes(key, bytes, 8))
        return std::nullopt;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | bytes[i];
    return std::bit_cast<double>(bits);
}

QString oldFormatText(IniFile& ini, const QString& key, const QString& fallback)
{
    const QString text = ini.iniText(key, QString());
    return text.isEmpty() ? fallback : text;
}

} // namespace

QString oldDatabasePath(const AppState& state)
{
    return state.settingsFolder + QString::fromUtf16(kOldDatabaseFileName);
}

void readOldFormatEntries(IniFile& ini, const QDateTime& now, ExpenseArray& entries)
{
    static const QString kUnknown = QStringLiteral("Unknown");
    const double nowDayCount =
        dayCountFromQDate(now.date()) + now.time().msecsSinceStartOfDay() / (24.0 * 60 * 60 * 1000);

    ini.setSection(QStringLiteral("Main"));
    // Every entry had a section of its own, so a count beyond the number of lines is damage, not entries.
    const auto count = static_cast<int>(
        std::clamp<qsizetype>(ini.iniNumber(QStringLiteral("Nr of expenses"), 0), 0, ini.lines().size()));

    ExpenseArray read;
    read.reserve(count);
    for (int number = 1; number <= count; ++number) {
        ini.setSection(QStringLiteral("Expense") + QString::number(number));
        Expense& entry = read.append();
        // A date that names no calendar day would sort and show as nonsense; it counts as missing.
        const auto date = oldFormatDouble(ini, QStringLiteral("Date"));
        entry.date = date && *date != 0.0 && dateFromDayCount(*date) ? *date : nowDayCount;
        const double amount = oldFormatDouble(ini, QStringLiteral("Amount")).value_or(0.0);
        entry.amount =
            std::isfinite(amount) ? std::clamp(amount, -kLargestStoredAmount, kLargestStoredAmount) : 0.0;
        entry.income = ini.iniNumber(QStringLiteral("Income"), 0) != 0;
        entry.currency = oldFormatText(ini, QStringLiteral("Currency"), QStringLiteral("?"));
        entry.type = oldFormatText(ini, QStringLiteral("Name"), kUnknown);
        entry.intendedSource = oldFormatText(ini, QStringLiteral("Intended source"), kUnknown);
        entry.paidWith = oldFormatText(ini, QStringLiteral("Paid with"), kUnknown);
        entry.note = ini.iniText(QStringLiteral("Note"), QString());
        // The old layout had no receipts.
        entry.hasReceipt = false;
        entry.receipt = QStringLiteral("00");
        entry.justChanged = false;
    }
    entries.swap(read);
}

FileResult convertOldDatabase(AppState& state, const QDateTime& now)
{
    IniFile ini(oldDatabasePath(state), state.locale);
    if (!ini.loadResult().ok())
        return ini.loadResult();
    readOldFormatEntries(ini, now, state.entries);
    return {};
}

} // namespace tallyfox
