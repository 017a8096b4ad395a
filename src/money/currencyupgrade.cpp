// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/currencyupgrade.h"

#include "money/currencytable.h"
#include "storage/defaultsfile.h"

namespace tallyfox {

namespace {

// The rate an earlier version's currency gets: its standard rate against EUR, else 1.00.
QString upgradedRate(const QString& firstLine, const QString& line)
{
    if (firstLine == u"EUR" && line == u"US$")
        return QStringLiteral("1.44");
    if (firstLine == u"EUR" && line == u"GBP")
        return QStringLiteral("0.89");
    return QStringLiteral("1.00");
}

} // namespace

std::optional<CurrencySectionUpgrade> upgradedCurrencySection(const QStringList& lines)
{
    if (lines.isEmpty() || lineValue(lines.front()) == kPrimaryRateText)
        return std::nullopt;
    CurrencySectionUpgrade upgrade;
    upgrade.announce = lines.size() > 1;
    upgrade.lines.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString value =
            i == 0 ? QString::fromUtf16(kPrimaryRateText) : upgradedRate(lines.front(), lines[i]);
        upgrade.lines.append(lineName(lines[i]) + u'=' + value);
    }
    return upgrade;
}

} // namespace tallyfox
