#include "core/appstate.h"
#include "storage/settingsload.h"
#include "storage/settingssave.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::testDataPath;
using test::writeFileBytes;

const QByteArray kEmptyKeys("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n"
                            "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Columns]\r\n");

// Settings as a user leaves them: every value away from its default, two columns hidden.
AppState usedState()
{
    AppState state(test::pinnedLocale());
    state.DatabasePath = QStringLiteral("/home/ann/My \"Data\"/expenses.tfx");
    state.SettingsFolder = QStringLiteral("/home/ann/tallyfox/");
    Settings& s = state.settings;
    s.EnableLogging = false;
    s.Lastusedcurrency = QStringLiteral("CHF");
    s.Lastintendedsource = QStringLiteral("Client \u00e9t\u00e9");
    s.Lastpaidwith = QStringLiteral("Card");
    s.LastIncome = true;
    s.LasthasReceipt = true;
    s.NextReceiptNum = 65535;
    s.FingerFriendly = false;
    s.StartWithQuick = true;
    s.ShowDecimals = false;
    s.DecimalsVis = 5;
    s.AutoSort = true;
    s.SortReverse = true;
    s.SortType = 3;
    s.IncomeIsPositive = true;
    s.Increase9is0 = true;
    s.SkipOverview = true;
    s.QuickEnable = {false, true, false, true, false, true, false};
    s.LastVisibleColumn = 6;
    s.ColumnWidths = {81, 61, 41, 56, 0, 81, 0, 81, 56};
    s.ColumnPositions = {8, 7, 6, 5, 4, 3, 2, 1, 0};
    return state;
}

class SettingsSave : public ::testing::Test
{
protected:
    TempFolder folder;
    QString file = folder.file(QStringLiteral("registry.reg"));
};

TEST_F(SettingsSave, StoresEveryValueInItsOrderAndLeavesHiddenWidthsOut)
{
    writeFileBytes(file, kEmptyKeys);
    ASSERT_TRUE(SaveSettings(usedState(), file).ok());
    const QByteArray written = readFileBytes(file);
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(testDataPath(QStringLiteral("registry/saved.expected.reg")), written);
    EXPECT_EQ(written, readFileBytes(testDataPath(QStringLiteral("registry/saved.expected.reg"))));
}

TEST_F(SettingsSave, WhatIsSavedIsReadBackAndAHiddenColumnKeepsItsLastWidth)
{
    writeFileBytes(file, kEmptyKeys + "\"PaidWithWidth\"=dword:00000042\r\n");
    const AppState saved = usedState();
    ASSERT_TRUE(SaveSettings(saved, file).ok());

    AppState loaded(test::pinnedLocale());
    SettingsKeys keys = OpenSettingsKeys(loaded.settings, file);
    EXPECT_EQ(ReadVersion(keys), 0);
    loaded.SettingsFolder = ReadDataLocation(keys, QStringLiteral("/elsewhere/"));
    ReadMainSettings(keys, loaded.settings);
    loaded.DatabasePath = ReadDatabase(keys).value_or(QString());
    ReadColumnSettings(keys, loaded.settings);
    ASSERT_TRUE(CloseSettingsKeys(keys).ok());

    EXPECT_EQ(loaded.DatabasePath, saved.DatabasePath);
    EXPECT_EQ(loaded.SettingsFolder, saved.SettingsFolder);
    Settings expected = saved.settings;
    // The hidden Paid with column comes back with its last stored width, the hidden Receipt column,
    // which never had one, with its default.
    expected.ColumnWidths[4] = 0x42;
    expected.ColumnWidths[6] = kDefaultColumnWidths[6];
    EXPECT_EQ(loaded.settings, expected);
}

TEST_F(SettingsSave, KeysThatDoNotExistAreNotCreated)
{
    ASSERT_TRUE(SaveSettings(usedState(), file).ok());
    EXPECT_FALSE(QFile::exists(file));

    const QByteArray onlyColumns("[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n");
    writeFileBytes(file, onlyColumns);
    ASSERT_TRUE(SaveSettings(usedState(), file).ok());
    EXPECT_EQ(readFileBytes(file), onlyColumns);
}

TEST_F(SettingsSave, AFailedWriteIsReportedAndTheFileStaysWhole)
{
    // The atomic write needs a temporary name longer than the longest name a folder can hold.
    file = folder.file(QString(250, u'r'));
    writeFileBytes(file, kEmptyKeys);
    const FileResult result = SaveSettings(usedState(), file);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(file));
    EXPECT_EQ(readFileBytes(file), kEmptyKeys);
}

} // namespace
} // namespace tallyfox
