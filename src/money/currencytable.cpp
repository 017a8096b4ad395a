// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/currencytable.h"

#include "core/appstate.h"
#include "core/textforms.h"
#include "storage/defaultsfile.h"
#include "storage/inifiletext.h"

#include <cmath>

namespace tallyfox {

// The defaults file's rules for name=value lines hold here too.
QStringView trimText(QStringView text)
{
    return trimmedIniText(text);
}

QString lineName(QStringView line)
{
    return splitDefaultsLine(line).name;
}

QString lineValue(QStringView line)
{
    return splitDefaultsLine(line).value;
}

double readRate(QStringView text)
{
    // Only ASCII characters can be digits, points or exponents, so reading the UTF-16 text directly
    // gives what reading its 8-bit form would.
    QString withPoints = text.toString();
    withPoints.replace(u',', u'.');
    return readNumber(QStringView(withPoints));
}

void buildCurrencyTable(CurrencyArray& currencies, const QStringList& lines)
{
    currencies.clear();
    currencies.reserve(static_cast<int>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Currency& currency = currencies.append();
        currency.name = lineName(lines[i]);
        currency.rate = i == 0 ? 1.0 : readRate(lineValue(lines[i]));
    }
}

void buildCurrencyTable(AppState& state, const QStringList& lines)
{
    buildCurrencyTable(state.currencies, lines);
}

int findCurrency(const CurrencyArray& currencies, QStringView name)
{
    const QStringView wanted = trimText(name);
    // The last equal entry wins, so the search runs from the end.
    for (int i = currencies.count() - 1; i >= 0; --i) {
        if (trimText(currencies[i].name) == wanted)
            return i;
    }
    return -1;
}

bool isUsableRate(double rate)
{
    return rate > 0.0 && std::isfinite(rate);
}

double convertByRate(double amount, double rate)
{
    if (!isUsableRate(rate))
        return 0.0;
    const double converted = amount / rate;
    return std::isfinite(converted) ? converted : 0.0;
}

double convertToPrimary(const CurrencyArray& currencies, double amount, QStringView currency)
{
    const int index = findCurrency(currencies, currency);
    return index < 0 ? 0.0 : convertByRate(amount, currencies[index].rate);
}

QString primaryAmountText(const CurrencyArray& currencies, double amount, QStringView currency, bool isIncome,
                          bool incomeIsPositive)
{
    const double converted = convertToPrimary(currencies, amount, currency);
    if (converted == 0.0)
        return QStringLiteral("?");
    return signPrefix(isIncome, incomeIsPositive) + amountText(converted);
}

} // namespace tallyfox
