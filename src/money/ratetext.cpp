// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/ratetext.h"

#include "money/currencytable.h"

#include <cmath>

namespace tallyfox {

namespace {

// Nearest whole number; a fraction of exactly one half goes toward positive infinity.
double roundHalfUp(double value)
{
    return std::floor(value + 0.5);
}

// From this magnitude on a double holds no fraction, and scaling it could overflow.
constexpr double kNoFractionLeft = 4503599627370496.0; // 2^52

} // namespace

QString decimalText(double x, int n)
{
    if (n < 0)
        n = 0;
    if (!std::isfinite(x))
        x = 0.0;
    const bool negative = x < 0.0;
    const double magnitude = std::fabs(x);

    double scale = 1.0;
    for (int i = 0; i < n; ++i)
        scale *= 10.0;

    double whole = std::trunc(magnitude);
    double fraction = 0.0;
    if (magnitude < kNoFractionLeft && std::isfinite(magnitude * scale)) {
        const double rounded = roundHalfUp(magnitude * scale) / scale;
        whole = std::trunc(rounded);
        fraction = roundHalfUp((rounded - whole) * scale);
        if (fraction >= scale) {
            whole += 1.0;
            fraction -= scale;
        }
    }
    QString text =
        QString::number(whole, 'f', 0) + u'.' + QString::number(fraction, 'f', 0).rightJustified(n, u'0');
    if (negative && (whole != 0.0 || fraction != 0.0))
        text.prepend(u'-');
    return text;
}

QString rateText(double x)
{
    QString text = decimalText(x, 5);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

bool rebaseRates(QStringList& names, QStringList& rates, qsizetype k)
{
    if (names.size() != rates.size() || k < 1 || k >= names.size())
        return false;
    const double newPrimaryRate = readRate(rates[k]);
    if (!isUsableRate(newPrimaryRate))
        return false;

    names.swapItemsAt(0, k);
    rates[k] = rateText(1.0 / newPrimaryRate);
    for (qsizetype i = 1; i < rates.size(); ++i) {
        if (i != k)
            rates[i] = rateText(readRate(rates[i]) / newPrimaryRate);
    }
    return true;
}

QString twoDigitText(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

} // namespace tallyfox
