// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/currencyupgrade.h"
#include "moneyfixtures.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

struct UpgradeCase
{
    const char* name;
    QStringList lines;
    QStringList upgraded;
    bool announce;
};

TEST(CurrencyUpgrade, GivesANamesOnlySectionRatesAgainstItsFirstCurrency)
{
    const UpgradeCase cases[] = {
        {"EUR first",
         {u"EUR"_qs, u"US$"_qs, u"GBP"_qs, u"CHF"_qs},
         {u"EUR=Primary"_qs, u"US$=1.44"_qs, u"GBP=0.89"_qs, u"CHF=1.00"_qs},
         true},
        {"another first",
         {u"USD"_qs, u"US$"_qs, u"GBP"_qs},
         {u"USD=Primary"_qs, u"US$=1.00"_qs, u"GBP=1.00"_qs},
         true},
        {"one currency", {u"EUR"_qs}, {u"EUR=Primary"_qs}, false},
        // Only whole lines count as the names of the standard rates.
        {"partly edited",
         {u"EUR"_qs, u"US$=2"_qs, u"gbp"_qs},
         {u"EUR=Primary"_qs, u"US$=1.00"_qs, u"gbp=1.00"_qs},
         true},
        {"wrongly marked", {u"EUR=primary"_qs, u"US$"_qs}, {u"EUR=Primary"_qs, u"US$=1.00"_qs}, true},
    };
    for (const UpgradeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto upgrade = upgradedCurrencySection(c.lines);
        ASSERT_TRUE(upgrade.has_value());
        EXPECT_EQ(upgrade->lines, c.upgraded);
        EXPECT_EQ(upgrade->announce, c.announce);
    }
    EXPECT_FALSE(upgradedCurrencySection({}).has_value());
    EXPECT_FALSE(upgradedCurrencySection({u"EUR = Primary "_qs, u"US$"_qs}).has_value());
}

} // namespace
} // namespace tallyfox
