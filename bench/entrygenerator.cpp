// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "entrygenerator.h"

#include "benchrandom.h"
#include "core/appstate.h"
#include "core/daycount.h"
#include "storage/databasefile.h"
#include "vocabulary.h"

#include <QLocale>
#include <algorithm>
#include <vector>

namespace tallyfox::bench {

namespace {

constexpr int kMaxNoteLength = 40;

// Spread between low and high, with small amounts far more common than large ones.
qint64 skewedBetween(BenchRandom& random, qint64 low, qint64 high)
{
    const auto span = static_cast<std::uint32_t>(high - low + 1);
    const qint64 a = random.below(span);
    const qint64 b = random.below(span);
    return low + a * b / span;
}

double amountFor(const EntryKind& kind, const CurrencyKind& currency, BenchRandom& random)
{
    const qint64 cents = skewedBetween(random, kind.minCents, kind.maxCents);
    qint64 converted = cents * currency.perMille / 1000;
    if (currency.wholeUnits)
        converted = std::max<qint64>(100, converted / 100 * 100);
    return static_cast<double>(converted) / 100.0;
}

QString noteFor(BenchRandom& random)
{
    const std::vector<QString>& fragments = Vocabulary::instance().noteFragments;
    const auto anyFragment = [&]() -> const QString& {
        return fragments[random.below(static_cast<std::uint32_t>(fragments.size()))];
    };
    if (random.chance(30))
        return {};
    const int target = random.between(3, kMaxNoteLength);
    // Some notes carry a reference number, which makes most notes of a large file different.
    QString note = random.chance(30) ? QStringLiteral("#%1").arg(random.between(100, 99999)) : QString();
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QString& piece = anyFragment();
        if (note.size() + (note.isEmpty() ? 0 : 1) + piece.size() > target)
            break;
        note = note.isEmpty() ? piece : piece + u' ' + note;
    }
    // A short target takes the first short fragment that comes up.
    for (int attempt = 0; note.isEmpty() && attempt < 8; ++attempt) {
        if (const QString& piece = anyFragment(); piece.size() <= target)
            note = piece;
    }
    return note;
}

// Day counts in typing order: sorted by date, then one entry in five typed up to two weeks late.
std::vector<int> typingOrderDays(const GeneratorOptions& options, BenchRandom& random)
{
    const int firstDay = static_cast<int>(dayCountFromDate(options.lastYear - options.years + 1, 1, 1));
    const int lastDay = static_cast<int>(dayCountFromDate(options.lastYear, 12, 31));
    std::vector<int> days(static_cast<size_t>(options.entries));
    for (int& day : days)
        day = random.between(firstDay, lastDay);
    std::sort(days.begin(), days.end());
    for (int& day : days) {
        if (random.chance(20))
            day = std::max(firstDay, day - random.between(1, 14));
    }
    return days;
}

} // namespace

ExpenseArray generateEntries(const GeneratorOptions& options)
{
    const Vocabulary& words = Vocabulary::instance();
    BenchRandom random(options.seed);
    const std::vector<int> days = typingOrderDays(options, random);
    const QString noReceipt = QStringLiteral("00");
    quint16 nextReceipt = 1;

    ExpenseArray entries;
    entries.reserve(options.entries);
    for (int i = 0; i < options.entries; ++i) {
        Expense& entry = entries.append();
        entry.income = random.chance(10);
        const EntryKind& kind = pickWeighted(entry.income ? words.incomes : words.expenses, random);
        // Most money moves in the home currency; trips bring the others.
        const CurrencyKind& currency = pickWeighted(words.currencies, random);
        entry.type = kind.type;
        entry.currency = currency.name;
        entry.amount = amountFor(kind, currency, random);
        entry.intendedSource = pickWeighted(entry.income ? words.incomeSources : words.sources, random).text;
        entry.paidWith =
            pickWeighted(entry.income ? words.incomePaymentMethods : words.paymentMethods, random).text;
        entry.hasReceipt = random.chance(entry.income ? 10 : 40);
        entry.receipt = entry.hasReceipt ? QString::number(nextReceipt++) : noReceipt;
        entry.note = noteFor(random);
        entry.date = days[static_cast<size_t>(i)];
        entry.justChanged = false;
    }
    return entries;
}

QString writeGeneratedDatabase(const GeneratorOptions& options, const QString& path)
{
    AppState state{QLocale::c()};
    state.entries = generateEntries(options);
    state.databasePath = path;
    const FileResult written = writeDatabaseFile(state);
    return written.ok() ? QString() : written.message();
}

} // namespace tallyfox::bench
