// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

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
    state.databasePath = QStringLiteral("/home/ann/My \"Data\"/expenses.tfx");
    state.settingsFolder = QStringLiteral("/home/ann/tallyfox/");
    Settings& s = state.settings;
    s.enableLogging = false;
    s.lastUsedCurrency = QStringLiteral("CHF");
    s.lastIntendedSource = QStringLiteral("Client \u00e9t\u00e9");
    s.lastPaidWith = QStringLiteral("Card");
    s.lastIncome = true;
    s.lastHasReceipt = true;
    s.nextReceiptNumber = 65535;
    s.fingerFriendly = false;
    s.startWithQuick = true;
    s.showDecimals = false;
    s.wholeDigitColumns = 5;
    s.autoSort = true;
    s.sortReverse = true;
    s.sortKey = SortKey::Receipt;
    s.incomeIsPositive = true;
    s.increase9Is0 = true;
    s.skipOverview = true;
    s.quickEnable = {false, true, false, true, false, true, false};
    s.lastVisibleColumn = 6;
    s.columnWidths = {81, 61, 41, 56, 0, 81, 0, 81, 56};
    s.columnPositions = {8, 7, 6, 5, 4, 3, 2, 1, 0};
    return state;
}

class SettingsSave : public ::testing::Test
{
protected:
    TempFolder folder;
    QString file = folder.file(QStringLiteral("registry.reg"));
    Registry registry{file};
};

TEST_F(SettingsSave, StoresEveryValueInItsOrderAndLeavesHiddenWidthsOut)
{
    writeFileBytes(file, kEmptyKeys);
    ASSERT_TRUE(saveSettingsToRegistry(usedState(), registry).ok());
    const QByteArray written = readFileBytes(file);
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(testDataPath(QStringLiteral("registry/saved.expected.reg")), written);
    EXPECT_EQ(written, readFileBytes(testDataPath(QStringLiteral("registry/saved.expected.reg"))));
}

TEST_F(SettingsSave, WhatIsSavedIsReadBackAndAHiddenColumnKeepsItsLastWidth)
{
    writeFileBytes(file, kEmptyKeys + "\"PaidWithWidth\"=dword:00000042\r\n");
    const AppState saved = usedState();
    ASSERT_TRUE(saveSettingsToRegistry(saved, registry).ok());

    AppState loaded(test::pinnedLocale());
    SettingsKeys keys = openSettingsKeys(loaded.settings, registry);
    EXPECT_EQ(readVersion(keys), 0);
    loaded.settingsFolder = readDataLocation(keys, QStringLiteral("/elsewhere/"));
    readMainSettings(keys, loaded.settings);
    loaded.databasePath = readStoredDatabasePath(keys).value_or(QString());
    readColumnSettings(keys, loaded.settings);
    ASSERT_TRUE(closeSettingsKeys(keys).ok());

    EXPECT_EQ(loaded.databasePath, saved.databasePath);
    EXPECT_EQ(loaded.settingsFolder, saved.settingsFolder);
    Settings expected = saved.settings;
    // The hidden Paid with column comes back with its last stored width, the hidden Receipt column,
    // which never had one, with its default.
    expected.columnWidths[4] = 0x42;
    expected.columnWidths[6] = kDefaultColumnWidths[6];
    EXPECT_EQ(loaded.settings, expected);
}

TEST_F(SettingsSave, KeysThatDoNotExistAreNotCreatedButTheLossIsReported)
{
    // Start-up makes the keys: without them the settings are not stored, and the caller must know.
    const FileResult noFile = saveSettingsToRegistry(usedState(), registry);
    EXPECT_TRUE(noFile.message().contains(QStringLiteral("holds no key"))) << noFile.message().toStdString();
    EXPECT_FALSE(QFile::exists(file));

    const QByteArray onlyColumns("[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n");
    writeFileBytes(file, onlyColumns);
    EXPECT_FALSE(saveSettingsToRegistry(usedState(), registry).ok());
    EXPECT_EQ(readFileBytes(file), onlyColumns);
}

TEST_F(SettingsSave, AFailedWriteIsReportedAndTheFileStaysWhole)
{
    // The atomic write needs a temporary name longer than the longest name a folder can hold.
    file = folder.file(QString(250, u'r'));
    writeFileBytes(file, kEmptyKeys);
    Registry longNamed(file);
    const FileResult result = saveSettingsToRegistry(usedState(), longNamed);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(file));
    EXPECT_EQ(readFileBytes(file), kEmptyKeys);
}

} // namespace
} // namespace tallyfox
