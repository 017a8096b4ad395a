#include "money/currencytable.h"

#include "core/appstate.h"
#include "core/textforms.h"
#include "storage/defaultsfile.h"
#include "storage/inifiletext.h"

#include <cmath>

namespace tallyfox {

// The defaults file's rules for name=value lines hold here too.
QStringView TrimText(QStringView text)
{
    return trimmedIniText(text);
}

QString LineName(QStringView line)
{
    return splitDefaultsLine(line).name;
}

QString LineValue(QStringView line)
{
    return splitDefaultsLine(line).value;
}

double ReadRate(QStringView text)
{
    // Only ASCII characters can be digits, points or exponents, so reading the UTF-16 text directly
    // gives what reading its 8-bit form would.
    QString withPoints = text.toString();
    withPoints.replace(u',', u'.');
    return ReadNumber(QStringView(withPoints));
}

void BuildCurrencyTable(currencyarray& currencies, const QStringList& lines)
{
    currencies.clear();
    currencies.reserve(static_cast<int>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        TCurrency& currency = currencies.append();
        currency.Name = LineName(lines[i]);
        currency.Rate = i == 0 ? 1.0 : ReadRate(LineValue(lines[i]));
    }
}

void BuildCurrencyTable(AppState& state, const QStringList& lines)
{
    BuildCurrencyTable(state.Currencies, lines);
}

int FindCurrency(const currencyarray& currencies, QStringView name)
{
    const QStringView wanted = TrimText(name);
    // The last equal entry wins, so the search runs from the end.
    for (int i = currencies.count() - 1; i >= 0; --i) {
        if (TrimText(currencies[i].Name) == wanted)
            return i;
    }
    return -1;
}

bool IsUsableRate(double rate)
{
    return rate > 0.0 && std::isfinite(rate);
}

double ConvertByRate(double amount, double rate)
{
    if (!IsUsableRate(rate))
        return 0.0;
    const double converted = amount / rate;
    return std::isfinite(converted) ? converted : 0.0;
}

double ToPrimary(const currencyarray& currencies, double amount, QStringView currency)
{
    const int index = FindCurrency(currencies, currency);
    return index < 0 ? 0.0 : ConvertByRate(amount, currencies[index].Rate);
}

QString PrimaryAmountText(const currencyarray& currencies, double amount, QStringView currency, bool isIncome,
                          bool incomeIsPositive)
{
    const double converted = ToPrimary(currencies, amount, currency);
    if (converted == 0.0)
        return QStringLiteral("?");
    return SignPrefix(isIncome, incomeIsPositive) + AmountText(converted);
}

} // namespace tallyfox
