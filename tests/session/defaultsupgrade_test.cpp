// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/defaultsupgrade.h"
#include "support/testenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::writeFileBytes;

// A settings folder of its own, a pinned clock and an edit log, as at start-up.
class DefaultsUpgrade : public ::testing::Test
{
protected:
    DefaultsUpgrade() { state.settingsFolder = folder.path() + u'/'; }

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

TEST_F(DefaultsUpgrade, RewritesTheSectionOfTheDefaultsFileOnceAndLogsIt)
{
    writeFileBytes(defaultsPath(),
                   "[Expense types]\r\nDinner\r\n[Currencies]\r\nEUR\r\nUS$\r\n\r\nGBP\r\nCHF\r\n"
                   "[Payment methods]\r\nCash\r\n");
    const CurrencyUpgradeResult outcome = upgradeDefaultsCurrencies(state, log);
    EXPECT_TRUE(outcome.upgraded);
    EXPECT_TRUE(outcome.announce);
    EXPECT_TRUE(outcome.result.ok()) << outcome.result.message().toStdString();
    EXPECT_TRUE(outcome.log.ok());
    const QByteArray upgraded = "[Expense types]\r\nDinner\r\n[Payment methods]\r\nCash\r\n"
                                "[Currencies]\r\nEUR=Primary\r\nUS$=1.44\r\nGBP=0.89\r\nCHF=1.00\r\n";
    EXPECT_EQ(readFileBytes(defaultsPath()), upgraded);
    const QByteArray logged = logBytes();
    EXPECT_TRUE(logged.endsWith("\tConverted currency names and exchange rates\r\n")) << logged.toStdString();

    // The next start finds the rates and leaves everything alone.
    const CurrencyUpgradeResult again = upgradeDefaultsCurrencies(state, log);
    EXPECT_FALSE(again.upgraded);
    EXPECT_FALSE(again.announce);
    EXPECT_TRUE(again.result.ok());
    EXPECT_EQ(readFileBytes(defaultsPath()), upgraded);
    EXPECT_EQ(logBytes(), logged);
}

TEST_F(DefaultsUpgrade, LeavesAMissingSectionAloneAndASingleCurrencyUnannounced)
{
    writeFileBytes(defaultsPath(), "[Expense types]\nDinner\n");
    EXPECT_FALSE(upgradeDefaultsCurrencies(state, log).upgraded);
    EXPECT_EQ(readFileBytes(defaultsPath()), "[Expense types]\nDinner\n");
    EXPECT_TRUE(logBytes().isEmpty());

    writeFileBytes(defaultsPath(), "[Currencies]\nCHF\n");
    state.settings.enableLogging = false;
    const CurrencyUpgradeResult single = upgradeDefaultsCurrencies(state, log);
    EXPECT_TRUE(single.upgraded);
    EXPECT_FALSE(single.announce);
    EXPECT_EQ(readFileBytes(defaultsPath()), "[Currencies]\r\nCHF=Primary\r\n");
    EXPECT_TRUE(logBytes().isEmpty());
}

TEST_F(DefaultsUpgrade, ASectionThatCannotBeSavedIsNeitherAnnouncedNorLogged)
{
    const QByteArray namesOnly = "[Currencies]\r\nEUR\r\nUS$\r\n";
    writeFileBytes(defaultsPath(), namesOnly);
    CurrencyUpgradeResult outcome;
    {
        test::FileSizeLimit full(8);
        outcome = upgradeDefaultsCurrencies(state, log);
    }
    EXPECT_FALSE(outcome.upgraded);
    EXPECT_FALSE(outcome.announce);
    EXPECT_EQ(outcome.result.error(), FileError::NotWritable);
    EXPECT_EQ(outcome.result.path(), defaultsPath());
    EXPECT_EQ(readFileBytes(defaultsPath()), namesOnly);
    EXPECT_TRUE(logBytes().isEmpty());
}

TEST_F(DefaultsUpgrade, AFileThatCannotBeReadIsReportedAndLeftAlone)
{
    ASSERT_TRUE(QDir().mkdir(defaultsPath()));
    const CurrencyUpgradeResult outcome = upgradeDefaultsCurrencies(state, log);
    EXPECT_FALSE(outcome.upgraded);
    EXPECT_EQ(outcome.result.error(), FileError::NotRegularFile);
    EXPECT_EQ(outcome.result.action(), FileAction::Read);
    EXPECT_TRUE(QFileInfo(defaultsPath()).isDir());
    EXPECT_TRUE(logBytes().isEmpty());
}

} // namespace
} // namespace tallyfox
