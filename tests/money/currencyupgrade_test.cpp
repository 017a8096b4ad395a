#include "money/currencyupgrade.h"
#include "moneyfixtures.h"
#include "storage/inireader.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::writeFileBytes;

// A settings folder of its own, a pinned clock and an edit log, as at start-up.
class CurrencyUpgradeStart : public ::testing::Test
{
protected:
    CurrencyUpgradeStart() { state.settingsFolder = folder.path() + u'/'; }

    [[nodiscard]] QString defaultsPath() const { return folder.file(u"TallyfoxDefaults.ini"_qs); }
    [[nodiscard]] QByteArray logBytes() const
    {
        const QString path = folder.file(u"Tallyfox.log"_qs);
        return QFile::exists(path) ? readFileBytes(path) : QByteArray();
    }

    TempFolder folder;
    AppState state{test::pinnedLocale()};
    EditLog log{Clock(QDateTime(QDate(2010, 1, 3), QTime(12, 30, 45)))};
};

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

TEST_F(CurrencyUpgradeStart, RewritesTheSectionOfTheDefaultsFileOnceQueuesTheMessageAndLogsIt)
{
    writeFileBytes(defaultsPath(),
                   "[Expense types]\r\nDinner\r\n[Currencies]\r\nEUR\r\nUS$\r\n\r\nGBP\r\nCHF\r\n"
                   "[Payment methods]\r\nCash\r\n");
    const CurrencyUpgradeResult outcome = upgradeCurrencySection(state, log);
    EXPECT_TRUE(outcome.upgraded);
    EXPECT_TRUE(outcome.result.ok()) << outcome.result.message().toStdString();
    EXPECT_TRUE(outcome.log.ok());
    const QByteArray upgraded = "[Expense types]\r\nDinner\r\n[Payment methods]\r\nCash\r\n"
                                "[Currencies]\r\nEUR=Primary\r\nUS$=1.44\r\nGBP=0.89\r\nCHF=1.00\r\n";
    EXPECT_EQ(readFileBytes(defaultsPath()), upgraded);
    EXPECT_EQ(state.startupMessages, QStringList{QString::fromUtf16(kCurrencyRatesMessage)});
    const QByteArray logged = logBytes();
    EXPECT_TRUE(logged.endsWith("\tConverted currency names and exchange rates\r\n")) << logged.toStdString();

    // The next start finds the rates and leaves everything alone.
    const CurrencyUpgradeResult again = upgradeCurrencySection(state, log);
    EXPECT_FALSE(again.upgraded);
    EXPECT_TRUE(again.result.ok());
    EXPECT_EQ(readFileBytes(defaultsPath()), upgraded);
    EXPECT_EQ(state.startupMessages.size(), 1);
    EXPECT_EQ(logBytes(), logged);
}

TEST_F(CurrencyUpgradeStart, LeavesAMissingSectionAloneAndASingleCurrencyUnannounced)
{
    writeFileBytes(defaultsPath(), "[Expense types]\nDinner\n");
    EXPECT_FALSE(upgradeCurrencySection(state, log).upgraded);
    EXPECT_EQ(readFileBytes(defaultsPath()), "[Expense types]\nDinner\n");
    EXPECT_TRUE(logBytes().isEmpty());

    writeFileBytes(defaultsPath(), "[Currencies]\nCHF\n");
    state.settings.enableLogging = false;
    EXPECT_TRUE(upgradeCurrencySection(state, log).upgraded);
    EXPECT_EQ(readFileBytes(defaultsPath()), "[Currencies]\r\nCHF=Primary\r\n");
    EXPECT_TRUE(state.startupMessages.isEmpty());
    EXPECT_TRUE(logBytes().isEmpty());
}

TEST_F(CurrencyUpgradeStart, ASectionThatCannotBeSavedIsNeitherAnnouncedNorLogged)
{
    const IniReader defaults(state.locale, "[Currencies]\r\nEUR\r\nUS$\r\n");
    const CurrencyUpgradeResult outcome = upgradeCurrencySection(defaults, state, log);
    EXPECT_FALSE(outcome.upgraded);
    EXPECT_FALSE(outcome.result.ok());
    EXPECT_TRUE(state.startupMessages.isEmpty());
    EXPECT_TRUE(logBytes().isEmpty());
}

} // namespace
} // namespace tallyfox
