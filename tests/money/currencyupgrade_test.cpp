#include "money/currencyupgrade.h"
#include "moneyfixtures.h"
#include "storage/inifile.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::writeFileBytes;

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
        const auto upgrade = UpgradedCurrencySection(c.lines);
        ASSERT_TRUE(upgrade.has_value());
        EXPECT_EQ(upgrade->lines, c.upgraded);
        EXPECT_EQ(upgrade->announce, c.announce);
    }
    EXPECT_FALSE(UpgradedCurrencySection({}).has_value());
    EXPECT_FALSE(UpgradedCurrencySection({u"EUR = Primary "_qs, u"US$"_qs}).has_value());
}

TEST(CurrencyUpgrade, RewritesTheSectionOfTheDefaultsFileOnceAndQueuesTheMessage)
{
    const TempFolder folder;
    const QString path = folder.file(u"TallyfoxDefaults.ini"_qs);
    writeFileBytes(path, "[Expense types]\r\nDinner\r\n[Currencies]\r\nEUR\r\nUS$\r\n\r\nGBP\r\nCHF\r\n"
                         "[Payment methods]\r\nCash\r\n");
    AppState state(test::pinnedLocale());
    {
        TIniFile defaults(path, state.Locale);
        const CurrencyUpgradeResult outcome = UpgradeCurrencySection(defaults, state);
        EXPECT_TRUE(outcome.upgraded);
        EXPECT_TRUE(outcome.result.ok()) << outcome.result.message().toStdString();
    }
    const QByteArray upgraded = "[Expense types]\r\nDinner\r\n[Payment methods]\r\nCash\r\n"
                                "[Currencies]\r\nEUR=Primary\r\nUS$=1.44\r\nGBP=0.89\r\nCHF=1.00\r\n";
    EXPECT_EQ(readFileBytes(path), upgraded);
    EXPECT_EQ(state.StartupMessages, QStringList{QString::fromUtf16(kCurrencyRatesMessage)});

    // The next start finds the rates and leaves everything alone.
    TIniFile defaults(path, state.Locale);
    const CurrencyUpgradeResult again = UpgradeCurrencySection(defaults, state);
    EXPECT_FALSE(again.upgraded);
    EXPECT_TRUE(again.result.ok());
    EXPECT_EQ(readFileBytes(path), upgraded);
    EXPECT_EQ(state.StartupMessages.size(), 1);
}

TEST(CurrencyUpgrade, LeavesAMissingSectionAndASingleCurrencyUnannounced)
{
    const TempFolder folder;
    const QString path = folder.file(u"TallyfoxDefaults.ini"_qs);
    writeFileBytes(path, "[Expense types]\nDinner\n");
    AppState state(test::pinnedLocale());
    {
        TIniFile defaults(path, state.Locale);
        EXPECT_FALSE(UpgradeCurrencySection(defaults, state).upgraded);
    }
    EXPECT_EQ(readFileBytes(path), "[Expense types]\nDinner\n");

    writeFileBytes(path, "[Currencies]\nCHF\n");
    TIniFile defaults(path, state.Locale);
    EXPECT_TRUE(UpgradeCurrencySection(defaults, state).upgraded);
    EXPECT_EQ(readFileBytes(path), "[Currencies]\r\nCHF=Primary\r\n");
    EXPECT_TRUE(state.StartupMessages.isEmpty());
}

TEST(CurrencyUpgrade, ASectionThatCannotBeSavedIsNotReportedAsUpgraded)
{
    AppState state(test::pinnedLocale());
    TIniFile defaults(state.Locale, "[Currencies]\r\nEUR\r\nUS$\r\n");
    const CurrencyUpgradeResult outcome = UpgradeCurrencySection(defaults, state);
    EXPECT_FALSE(outcome.upgraded);
    EXPECT_FALSE(outcome.result.ok());
    EXPECT_TRUE(state.StartupMessages.isEmpty());
}

} // namespace
} // namespace tallyfox
