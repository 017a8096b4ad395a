// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/defaultsupgrade.h"
#include "startupfixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::fileLines;
using test::readFileBytes;
using test::testDataPath;
using test::writeFileBytes;

using Startup = test::StartupTest;

TEST_F(Startup, AFirstRunWritesTheDefaultsAndAsksForANewDatabase)
{
    EXPECT_TRUE(start().isEmpty());

    EXPECT_EQ(startupMessages, QStringList({welcome(), noDatabase()}));
    ASSERT_TRUE(stored(u"Version"));
    EXPECT_EQ(stored(u"Version")->number, 953u);

    // The settings folder is the default one, created and stored as it was read.
    EXPECT_EQ(state.settingsFolder, defaultFolder());
    EXPECT_TRUE(QFileInfo(defaultFolder()).isDir());
    ASSERT_TRUE(stored(u"DataLocation"));
    EXPECT_EQ(stored(u"DataLocation")->text, defaultFolder());
    ASSERT_TRUE(stored(u"Lastusedcurrency"));
    EXPECT_EQ(stored(u"Lastusedcurrency")->text, QStringLiteral("EUR"));
    ASSERT_TRUE(stored(u"NextReceiptNum"));
    EXPECT_EQ(stored(u"NextReceiptNum")->number, 1u);
    ASSERT_TRUE(stored(u"QuickEnableNote"));
    EXPECT_EQ(stored(u"QuickEnableNote")->number, 1u);
    ASSERT_TRUE(stored(u"LastVisibleColumn", QStringLiteral("Software\\Tallyfox\\Columns")));
    EXPECT_EQ(stored(u"LastVisibleColumn", QStringLiteral("Software\\Tallyfox\\Columns"))->number, 7u);
    EXPECT_FALSE(stored(u"Database"));

    // Cancelling the chooser gives the default database, which the first refresh creates empty.
    EXPECT_EQ(chooserFolders, QStringList({defaultFolder()}));
    const QString database = defaultFolder() + QStringLiteral("TallyfoxData.tfx");
    EXPECT_EQ(state.databasePath, database);
    EXPECT_EQ(readFileBytes(database), databaseBytes(ExpenseArray()));
    EXPECT_EQ(state.entryCount(), 0);

    // The log starts with its header; both file lines follow it.
    const QStringList log = fileLines(defaultFolder() + QStringLiteral("Tallyfox.log"));
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log[0], QString::fromUtf8(kLogHeader));
    EXPECT_EQ(logTexts(), QStringList({QStringLiteral("New file: ") + database,
                                       QStringLiteral("Load file: ") + database}));

    // No shipped defaults were found: there is no defaults file and no currency.
    EXPECT_FALSE(QFileInfo::exists(defaultFolder() + QStringLiteral("TallyfoxDefaults.ini")));
    EXPECT_EQ(state.currencyCount(), 0);

    // The database is stored when the settings are, at shutdown.
    session.saveSettings();
    EXPECT_TRUE(session.takeMessages().isEmpty());
    ASSERT_TRUE(stored(u"Database"));
    EXPECT_EQ(stored(u"Database")->text, database);
}

TEST_F(Startup, TheShippedDefaultsBecomeTheUsersDefaultsFile)
{
    writeFileBytes(programFolder.file(QStringLiteral("TallyfoxDefaultsOriginal.ini")),
                   "[Expense types]\nTrain\n[Currencies]\nEUR=Primary\nUS$=1.44\nGBP=0.89\n");
    EXPECT_TRUE(start().isEmpty());

    EXPECT_EQ(
        readFileBytes(defaultFolder() + QStringLiteral("TallyfoxDefaults.ini")),
        QByteArray("[Expense types]\r\nTrain\r\n[Currencies]\r\nEUR=Primary\r\nUS$=1.44\r\nGBP=0.89\r\n"));
    ASSERT_EQ(state.currencyCount(), 3);
    EXPECT_EQ(state.currencies[0].name, QStringLiteral("EUR"));
    EXPECT_EQ(state.currencies[1].rate, 1.44);
    // The section had rates already: no upgrade message.
    EXPECT_EQ(startupMessages, QStringList({welcome(), noDatabase()}));
}

TEST_F(Startup, TheUsersDefaultsFileIsNeverReplacedByTheShippedOne)
{
    const QString settings = seedSettingsFolder();
    placeDatabase(settings + QStringLiteral("TallyfoxData.tfx"));
    const QByteArray own = "[Currencies]\r\nGBP=Primary\r\nEUR=1.12\r\n";
    writeFileBytes(settings + QStringLiteral("TallyfoxDefaults.ini"), own);
    writeFileBytes(programFolder.file(QStringLiteral("TallyfoxDefaultsOriginal.ini")),
                   "[Currencies]\r\nEUR=Primary\r\n");
    EXPECT_TRUE(start().isEmpty());
    EXPECT_EQ(readFileBytes(settings + QStringLiteral("TallyfoxDefaults.ini")), own);
    ASSERT_EQ(state.currencyCount(), 2);
    EXPECT_EQ(state.currencies[0].name, QStringLiteral("GBP"));
    EXPECT_TRUE(startupMessages.isEmpty());
}

struct VersionCase
{
    const char* stored;
    bool welcomed;
};

class StartupVersion : public test::StartupTest, public ::testing::WithParamInterface<VersionCase>
{};

TEST_P(StartupVersion, OnlyAnOlderVersionIsWelcomed)
{
    const QString settings = folder.path() + QStringLiteral("/settings/");
    QDir().mkpath(settings);
    placeDatabase(settings + QStringLiteral("TallyfoxData.tfx"));
    seedRegistry(QByteArray("\"Version\"=") + GetParam().stored + "\r\n\"DataLocation\"=\"" +
                 settings.toUtf8() + "\"\r\n");
    EXPECT_TRUE(start().isEmpty());
    EXPECT_EQ(startupMessages, GetParam().welcomed ? QStringList({welcome()}) : QStringList());
    // An older version is recorded as this one; a newer one is left alone.
    ASSERT_TRUE(stored(u"Version"));
    EXPECT_GE(stored(u"Version")->number & 0xffff, 953u);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, StartupVersion,
    ::testing::Values(VersionCase{"dword:00000000", true}, VersionCase{"dword:000003b8", true},
                      VersionCase{"dword:000003b9", false}, VersionCase{"dword:000003ba", false},
                      // Only the low 16 bits count.
                      VersionCase{"dword:000103b8", true}, VersionCase{"dword:000103b9", false},
                      // A value of another kind reads as 0.
                      VersionCase{"\"953\"", true}));

TEST_F(Startup, TheQueueFollowsTheOrderOfTheSteps)
{
    // A first run whose settings folder holds a defaults file of an earlier version (names only) and no
    // database: welcome, the new rates, then the missing database.
    const QString settings = defaultFolder();
    QDir().mkpath(settings);
    writeFileBytes(settings + QStringLiteral("TallyfoxDefaults.ini"), "[Currencies]\r\nEUR\r\nUS$\r\n");
    EXPECT_TRUE(start().isEmpty());
    EXPECT_EQ(startupMessages,
              QStringList({welcome(), QString::fromUtf8(kCurrencyRatesMessage), noDatabase()}));
    const QStringList log = logTexts();
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log[0], QString::fromUtf16(kCurrencyUpgradeLogText));
    EXPECT_TRUE(log[1].startsWith(QStringLiteral("New file: ")));
    EXPECT_TRUE(log[2].startsWith(QStringLiteral("Load file: ")));
    ASSERT_EQ(state.currencyCount(), 2);
    EXPECT_EQ(state.currencies[1].rate, 1.44);
}

TEST_F(Startup, AProblemJoinsTheQueueWhereItArose)
{
    // A folder in the place of the defaults file cannot be read: reported after the welcome and before
    // the missing database, and start-up goes on without currencies.
    const QString settings = defaultFolder();
    QDir().mkpath(settings + QStringLiteral("TallyfoxDefaults.ini"));
    EXPECT_TRUE(start().isEmpty());
    ASSERT_EQ(startupMessages.size(), 3) << startupMessages.join(u'\n').toStdString();
    EXPECT_EQ(startupMessages[0], welcome());
    EXPECT_TRUE(startupMessages[1].contains(settings + QStringLiteral("TallyfoxDefaults.ini")));
    EXPECT_EQ(startupMessages[2], noDatabase());
    EXPECT_EQ(state.currencyCount(), 0);
    EXPECT_TRUE(QFileInfo::exists(state.databasePath));
}

TEST_F(Startup, TheNewRatesAreToldBeforeTheTroubleOfTheSettingsFolder)
{
    // The log cannot be created (it links to a folder that does not exist), while the defaults file gets
    // its rates.
    const QString settings = defaultFolder();
    QDir().mkpath(settings);
    writeFileBytes(settings + QStringLiteral("TallyfoxDefaults.ini"), "[Currencies]\r\nEUR\r\nUS$\r\n");
    const QString log = settings + QStringLiteral("Tallyfox.log");
    ASSERT_TRUE(QFile::link(folder.file(QStringLiteral("missing/Tallyfox.log")), log));
    EXPECT_TRUE(start().isEmpty());
    ASSERT_EQ(startupMessages.size(), 4) << startupMessages.join(u'\n').toStdString();
    EXPECT_EQ(startupMessages[0], welcome());
    EXPECT_EQ(startupMessages[1], QString::fromUtf8(kCurrencyRatesMessage));
    EXPECT_TRUE(startupMessages[2].startsWith(QStringLiteral("Cannot write \"%1\"").arg(log)))
        << startupMessages[2].toStdString();
    EXPECT_EQ(startupMessages[3], noDatabase());
    EXPECT_EQ(state.currencies[1].rate, 1.44);
}

TEST_F(Startup, AnUnreadableRegistryIsReportedFirstAndLeftAlone)
{
    QDir().mkpath(registryFile);
    EXPECT_TRUE(start().isEmpty());
    ASSERT_GE(startupMessages.size(), 2);
    EXPECT_TRUE(startupMessages[0].contains(registryFile)) << startupMessages[0].toStdString();
    EXPECT_TRUE(state.settings.registryUnavailable);
    // The defaults stand in for the settings, and shutdown stores nothing over the user's registry.
    EXPECT_EQ(state.settingsFolder, defaultFolder());
    session.saveSettings();
    EXPECT_TRUE(session.takeMessages().isEmpty());
    EXPECT_TRUE(QFileInfo(registryFile).isDir());
}

TEST_F(Startup, SettingsThatCannotBeStoredAreReportedAndTheRegistryStaysWhole)
{
    const QString settings = seedSettingsFolder();
    placeDatabase(settings + QStringLiteral("TallyfoxData.tfx"));
    EXPECT_TRUE(start().isEmpty());
    const QByteArray stored = readFileBytes(registryFile);
    state.settings.lastUsedCurrency = QStringLiteral("CHF");
    {
        test::FileSizeLimit full(16);
        session.saveSettings();
    }
    const QStringList problems = session.takeMessages();
    ASSERT_EQ(problems.size(), 1) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems[0].contains(registryFile)) << problems[0].toStdString();
    EXPECT_EQ(readFileBytes(registryFile), stored);
}

TEST_F(Startup, TheLogHeaderIsWrittenOnlyWhenTheLogIsMissing)
{
    const QString settings = seedSettingsFolder("\"EnableLogging\"=dword:00000000\r\n");
    placeDatabase(settings + QStringLiteral("TallyfoxData.tfx"));
    EXPECT_TRUE(start().isEmpty());
    // Logging is off: the log is created with its header all the same, and holds nothing else.
    EXPECT_EQ(readFileBytes(settings + QStringLiteral("Tallyfox.log")), QByteArray(kLogHeader) + "\r\n");

    // An existing log keeps what it holds.
    writeFileBytes(settings + QStringLiteral("Tallyfox.log"), "earlier lines\r\n");
    EXPECT_TRUE(start().isEmpty());
    EXPECT_EQ(readFileBytes(settings + QStringLiteral("Tallyfox.log")), QByteArray("earlier lines\r\n"));
}

} // namespace
} // namespace tallyfox
