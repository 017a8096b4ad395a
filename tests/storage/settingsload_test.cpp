// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/appstate.h"
#include "storage/settingscolumns.h"
#include "storage/settingsload.h"
#include "storage/settingssave.h"
#include "support/testenvironment.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::testDataPath;
using test::writeFileBytes;

const QString kDataFolder = QStringLiteral("/home/ann/.local/share/tallyfox/");

class SettingsLoad : public ::testing::Test
{
protected:
    // The reads of start-up, in its order.
    FileResult load() { return load(registry); }
    FileResult load(Registry& from)
    {
        SettingsKeys keys = openSettingsKeys(state.settings, from);
        version = readVersion(keys);
        state.settingsFolder = readDataLocation(keys, kDataFolder);
        readMainSettings(keys, state.settings);
        if (const std::optional<QString> database = readStoredDatabasePath(keys))
            state.databasePath = *database;
        readColumnSettings(keys, state.settings);
        return closeSettingsKeys(keys);
    }

    void seed(const QByteArray& mainValues, const QByteArray& columnValues = {})
    {
        writeFileBytes(file, "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n" + mainValues +
                                 "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Columns]\r\n" + columnValues);
    }

    std::optional<RegistryValue> stored(const QString& subKey, QStringView name)
    {
        return registry.open(subKey).value(name);
    }

    TempFolder folder;
    QString file = folder.file(QStringLiteral("registry.reg"));
    Registry registry{file};
    AppState state{test::pinnedLocale()};
    quint16 version = 0xffff;
};

TEST_F(SettingsLoad, AFirstRunStoresEveryValueButTheDatabaseWithItsDefault)
{
    ASSERT_TRUE(load().ok());
    EXPECT_EQ(version, 0);
    EXPECT_EQ(state.settingsFolder, kDataFolder);
    EXPECT_TRUE(state.databasePath.isEmpty());
    Settings defaults;
    EXPECT_EQ(state.settings, defaults);
    const QByteArray written = readFileBytes(file);
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(testDataPath(QStringLiteral("registry/firstrun.expected.reg")), written);
    EXPECT_EQ(written, readFileBytes(testDataPath(QStringLiteral("registry/firstrun.expected.reg"))));

    // A second run finds everything and writes nothing.
    state.settings = Settings();
    ASSERT_TRUE(load().ok());
    EXPECT_EQ(state.settings, defaults);
    EXPECT_EQ(readFileBytes(file), written);
}

TEST_F(SettingsLoad, ValuesOfTheWrongKindOrSizeReadByTheirRules)
{
    seed("\"Version\"=dword:000103b9\r\n"
         "\"DataLocation\"=\"\"\r\n"
         "\"Lastusedcurrency\"=dword:00000005\r\n"
         "\"LastIncome\"=dword:00000002\r\n"
         "\"NextReceiptNum\"=dword:00011170\r\n"
         "\"SortType\"=\"3\"\r\n"
         "\"DecimalsVis\"=dword:00000005\r\n"
         "\"QuickEnableNote\"=dword:00000000\r\n");
    ASSERT_TRUE(load().ok());
    EXPECT_EQ(version, 953);
    EXPECT_EQ(state.settingsFolder, kDataFolder);
    EXPECT_EQ(state.settings.lastUsedCurrency, u"EUR");
    EXPECT_FALSE(state.settings.lastIncome);
    EXPECT_EQ(state.settings.nextReceiptNumber, 4464);
    EXPECT_EQ(state.settings.sortKey, SortKey::Name);
    EXPECT_EQ(state.settings.wholeDigitColumns, 5);
    EXPECT_FALSE(state.settings.quickEnable[6]);
    EXPECT_TRUE(state.settings.quickEnable[5]);

    // Texts are stored back with their defaults; numbers of another kind are left as they are.
    const QString main = QString::fromUtf16(kSettingsKeyPath);
    EXPECT_EQ(stored(main, u"DataLocation"), RegistryValue::fromText(kDataFolder));
    EXPECT_EQ(stored(main, u"Lastusedcurrency"), RegistryValue::fromText(QStringLiteral("EUR")));
    EXPECT_EQ(stored(main, u"SortType"), RegistryValue::fromText(QStringLiteral("3")));
    EXPECT_EQ(stored(main, u"LastIncome"), RegistryValue::fromNumber(2));
    EXPECT_EQ(stored(main, u"NextReceiptNum"), RegistryValue::fromNumber(70000));
}

TEST_F(SettingsLoad, EachSortTypeReadsAsItsKeyAndOneBeyondTheKeysAsTheFirst)
{
    for (SortKey key : kSortKeys) {
        const quint16 number = sortKeyNumber(key);
        seed("\"SortType\"=dword:0000000" + QByteArray::number(number) + "\r\n");
        ASSERT_TRUE(load().ok());
        EXPECT_EQ(state.settings.sortKey, key) << number;
        EXPECT_EQ(stored(QString::fromUtf16(kSettingsKeyPath), u"SortType"),
                  RegistryValue::fromNumber(number));
    }
    for (const char* beyond : {"00000006", "00000009", "0000ffff"}) {
        state.settings.sortKey = SortKey::Date;
        seed("\"SortType\"=dword:" + QByteArray(beyond) + "\r\n");
        ASSERT_TRUE(load().ok());
        EXPECT_EQ(state.settings.sortKey, SortKey::Name) << beyond;
    }
}

TEST_F(SettingsLoad, TheDatabaseIsReadOnlyWhenStoredAsAText)
{
    const QString main = QString::fromUtf16(kSettingsKeyPath);
    seed("\"Database\"=dword:00000001\r\n");
    ASSERT_TRUE(load().ok());
    EXPECT_TRUE(state.databasePath.isEmpty());
    EXPECT_EQ(stored(main, u"Database"), RegistryValue::fromNumber(1));

    seed("\"Database\"=\"/home/ann/my data.tfx\"\r\n");
    ASSERT_TRUE(load().ok());
    EXPECT_EQ(state.databasePath, u"/home/ann/my data.tfx");
}

TEST_F(SettingsLoad, ColumnWidthsOfTheWrongKindHideAndDamagedOnesGetTheirDefault)
{
    seed({}, "\"TypeWidth\"=dword:00000064\r\n"
             "\"DateWidth\"=\"wide\"\r\n"
             "\"CurWidth\"=dword:ffffffff\r\n"
             "\"AmountWidth\"=dword:7fffffff\r\n"
             "\"LastVisibleColumn\"=dword:00010005\r\n");
    ASSERT_TRUE(load().ok());
    EXPECT_EQ(state.settings.columnWidths, (ColumnArray<int>{{100, 0, 40, 55, 80, 80, 50, 80, 55}}));
    EXPECT_EQ(state.settings.lastVisibleColumn, 5);
}

struct PositionCase
{
    ColumnArray<quint16> stored;
    ColumnArray<int> positions;
};

class ColumnOrder : public ::testing::TestWithParam<PositionCase>
{};

TEST_P(ColumnOrder, AlwaysGivesAPermutation)
{
    EXPECT_EQ(columnPositionsFromStored(GetParam().stored), GetParam().positions);
}

INSTANTIATE_TEST_SUITE_P(Stored, ColumnOrder,
                         ::testing::Values(
                             // Unchanged order.
                             PositionCase{{{0, 1, 2, 3, 4, 5, 6, 7, 8}}, {{0, 1, 2, 3, 4, 5, 6, 7, 8}}},
                             // Type and Date both at 5: Type keeps it, Date takes the lowest free position.
                             PositionCase{{{5, 5, 2, 3, 4, 0, 6, 7, 8}}, {{5, 0, 2, 3, 4, 1, 6, 7, 8}}},
                             PositionCase{{{5, 5, 1, 2, 3, 4, 6, 7, 8}}, {{5, 0, 1, 2, 3, 4, 6, 7, 8}}},
                             // Note at 40 is moved to the lowest free position.
                             PositionCase{{{0, 1, 2, 3, 4, 5, 6, 40, 8}}, {{0, 1, 2, 3, 4, 5, 6, 7, 8}}},
                             PositionCase{{{1, 2, 3, 4, 5, 6, 7, 40, 8}}, {{1, 2, 3, 4, 5, 6, 7, 0, 8}}},
                             // All at one position, and all beyond the range.
                             PositionCase{{{3, 3, 3, 3, 3, 3, 3, 3, 3}}, {{3, 0, 1, 2, 4, 5, 6, 7, 8}}},
                             PositionCase{{{9, 9, 65535, 9, 9, 9, 9, 9, 9}}, {{0, 1, 2, 3, 4, 5, 6, 7, 8}}},
                             // A user's order, reversed.
                             PositionCase{{{8, 7, 6, 5, 4, 3, 2, 1, 0}}, {{8, 7, 6, 5, 4, 3, 2, 1, 0}}}));

TEST_F(SettingsLoad, TheColumnOrderIsReadFromTheColumnsKey)
{
    seed({}, "\"OrderType\"=dword:00000005\r\n\"OrderDate\"=dword:00000005\r\n"
             "\"OrderNote\"=dword:00000028\r\n\"OrderIntendedSource\"=dword:00010000\r\n");
    ASSERT_TRUE(load().ok());
    EXPECT_EQ(state.settings.columnPositions, (ColumnArray<int>{{5, 0, 2, 3, 4, 1, 6, 7, 8}}));
}

TEST_F(SettingsLoad, AnUnreadableRegistryGivesDefaultsAndIsNeverWritten)
{
    ASSERT_TRUE(QDir().mkpath(file));
    state.settings.sortKey = SortKey::PaidWith;
    ASSERT_TRUE(load().ok());
    EXPECT_TRUE(state.settings.registryUnavailable);
    Settings defaults;
    defaults.registryUnavailable = true;
    EXPECT_EQ(state.settings, defaults);
    EXPECT_EQ(state.settingsFolder, kDataFolder);
    EXPECT_TRUE(QDir(file).isEmpty());

    // Even when the file can be read by the time the program ends, the defaults are not stored over it.
    ASSERT_TRUE(QDir().rmdir(file));
    const QByteArray users("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"SortType\"=dword:00000004\r\n");
    writeFileBytes(file, users);
    EXPECT_TRUE(saveSettingsToRegistry(state, registry).ok());
    EXPECT_EQ(readFileBytes(file), users);
}

TEST_F(SettingsLoad, ARegistryThatCannotBeWrittenIsReportedAndTheSettingsStayInUse)
{
    writeFileBytes(folder.file(QStringLiteral("plain")), "x");
    const QString blockedFile = folder.file(QStringLiteral("plain/registry.reg"));
    Registry blocked(blockedFile);
    const FileResult result = load(blocked);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(blockedFile));
    EXPECT_FALSE(state.settings.registryUnavailable);
    EXPECT_EQ(state.settings.lastUsedCurrency, u"EUR");
}

} // namespace
} // namespace tallyfox
