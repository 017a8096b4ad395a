// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registry.h"
#include "platform/registrykey.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::writeFileBytes;

const QString kMain = QStringLiteral("Software\\Tallyfox");
const QString kColumns = QStringLiteral("Software\\Tallyfox\\Columns");

class RegistryKeys : public ::testing::Test
{
protected:
    TempFolder folder;
    QString file = folder.file(QStringLiteral("registry.reg"));
    Registry registry{file};
};

TEST_F(RegistryKeys, AMissingFileIsAnEmptyRegistryWhoseKeysAreCreatedWithTheirFolders)
{
    file = folder.file(QStringLiteral("config/tallyfox/registry.reg"));
    Registry inFolders(file);
    EXPECT_FALSE(inFolders.open(kMain).isOpen());

    RegistryKey key = inFolders.openOrCreate(kMain + u'\\');
    ASSERT_TRUE(key.isOpen());
    EXPECT_TRUE(key.openFailure().ok());
    EXPECT_FALSE(key.value(u"Version").has_value());
    key.setNumber(QStringLiteral("Version"), 953);
    EXPECT_FALSE(QFile::exists(file)) << "nothing is written before the key is closed";
    ASSERT_TRUE(key.close().ok());
    EXPECT_FALSE(key.isOpen());
    EXPECT_EQ(readFileBytes(file), QByteArray("Windows Registry Editor Version 5.00\r\n\r\n"
                                              "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n"
                                              "\"Version\"=dword:000003b9\r\n\r\n"));
    EXPECT_EQ(QFile::permissions(file) & 0x0077, 0) << "settings are the user's own";
}

TEST_F(RegistryKeys, NamesCompareWithoutRegardToCaseAndKeepTheirSpelling)
{
    writeFileBytes(file, "[hkey_local_machine\\software\\TALLYFOX]\r\n\"lastUsedCurrency\"=\"USD\"\r\n");
    RegistryKey key = registry.open(kMain);
    ASSERT_TRUE(key.isOpen());
    ASSERT_TRUE(key.value(u"LASTUSEDCURRENCY").has_value());
    EXPECT_EQ(key.value(u"Lastusedcurrency")->text, u"USD");
    key.setText(QStringLiteral("Lastusedcurrency"), QStringLiteral("GBP"));
    ASSERT_TRUE(key.close().ok());
    EXPECT_EQ(readFileBytes(file), QByteArray("Windows Registry Editor Version 5.00\r\n\r\n"
                                              "[hkey_local_machine\\software\\TALLYFOX]\r\n"
                                              "\"lastUsedCurrency\"=\"GBP\"\r\n\r\n"));
}

TEST_F(RegistryKeys, KeysOfOneFileShareItAndACloseWritesEveryKeyAndKeepsWhatOthersWrote)
{
    writeFileBytes(file, "; my notes\r\n"
                         "[HKEY_CURRENT_USER\\Other]\r\n\"Blob\"=hex:00,01\r\n"
                         "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"Kept\"=hex(2):41,00,00,00\r\n");
    RegistryKey main = registry.openOrCreate(kMain);
    RegistryKey columns = registry.openOrCreate(kColumns);
    main.setNumber(QStringLiteral("SortType"), 2);
    columns.setNumber(QStringLiteral("LastVisibleColumn"), 7);
    EXPECT_EQ(main.value(u"SortType")->number, 2u);
    ASSERT_TRUE(columns.close().ok());
    const QByteArray expected("Windows Registry Editor Version 5.00\r\n\r\n"
                              "; my notes\r\n\r\n"
                              "[HKEY_CURRENT_USER\\Other]\r\n\"Blob\"=hex:00,01\r\n\r\n"
                              "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"Kept\"=hex(2):41,00,00,00\r\n"
                              "\"SortType\"=dword:00000002\r\n\r\n"
                              "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Columns]\r\n"
                              "\"LastVisibleColumn\"=dword:00000007\r\n\r\n");
    EXPECT_EQ(readFileBytes(file), expected);
    EXPECT_EQ(main.value(u"Kept")->kind, RegistryValueKind::Other);
    ASSERT_TRUE(main.close().ok());
    EXPECT_EQ(readFileBytes(file), expected);
}

TEST_F(RegistryKeys, TheFileIsReadAfreshOnceEveryKeyIsClosed)
{
    RegistryKey first = registry.openOrCreate(kMain);
    first.setText(QStringLiteral("A"), QStringLiteral("1"));
    ASSERT_TRUE(first.close().ok());
    writeFileBytes(file, "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"A\"=\"edited by hand\"\r\n");
    RegistryKey second = registry.open(kMain);
    ASSERT_TRUE(second.value(u"A").has_value());
    EXPECT_EQ(second.value(u"A")->text, u"edited by hand");
}

TEST_F(RegistryKeys, AKeyWithOnlyASubkeyExistsAndSettingTheSameValueWritesNothing)
{
    const QByteArray handWritten(
        "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Columns]\n\"NoteWidth\"=dword:50\n");
    writeFileBytes(file, handWritten);
    RegistryKey main = registry.open(kMain);
    EXPECT_TRUE(main.isOpen());
    RegistryKey columns = registry.open(kColumns);
    columns.setNumber(QStringLiteral("notewidth"), 0x50);
    ASSERT_TRUE(columns.close().ok());
    ASSERT_TRUE(main.close().ok());
    EXPECT_EQ(readFileBytes(file), handWritten);
}

TEST_F(RegistryKeys, AFileThatCannotBeReadOpensNoKeyAndIsLeftAlone)
{
    // A folder where the file should be cannot be read by anyone; a file without read permission only
    // when the tests do not run as root.
    QDir().mkpath(file);
    const QString unreadable = folder.file(QStringLiteral("locked.reg"));
    const QByteArray stored("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"SortType\"=dword:00000003\r\n");
    writeFileBytes(unreadable, stored);
    QFile::setPermissions(unreadable, QFileDevice::WriteOwner);
    QStringList paths{file};
    if (geteuid() != 0)
        paths.append(unreadable);
    for (const QString& path : paths) {
        Registry unreadableRegistry(path);
        RegistryKey key = unreadableRegistry.openOrCreate(kMain);
        EXPECT_FALSE(key.isOpen());
        EXPECT_FALSE(key.openFailure().ok());
        EXPECT_TRUE(key.openFailure().message().contains(path));
        EXPECT_FALSE(key.value(u"SortType").has_value());
        key.setNumber(QStringLiteral("SortType"), 0);
        EXPECT_TRUE(key.close().ok());
    }
    EXPECT_TRUE(QFileInfo(file).isDir());
    QFile::setPermissions(unreadable, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readFileBytes(unreadable), stored);
}

TEST_F(RegistryKeys, AnotherProgramsFileIsNotOverwritten)
{
    const QByteArray database("\tYear\tMonth\tDay\r\nitem\t2010\t1\t3\tEUR\t12.50\r\n");
    writeFileBytes(file, database);
    RegistryKey key = registry.openOrCreate(kMain);
    EXPECT_FALSE(key.isOpen());
    EXPECT_TRUE(key.openFailure().message().contains(QStringLiteral("not a registry file")));
    key.setText(QStringLiteral("A"), QStringLiteral("x"));
    EXPECT_TRUE(key.close().ok());
    EXPECT_EQ(readFileBytes(file), database);
}

TEST_F(RegistryKeys, AFailedWriteIsReportedAndTheChangesStayInMemory)
{
    writeFileBytes(folder.file(QStringLiteral("plain")), "x");
    file = folder.file(QStringLiteral("plain/registry.reg"));
    Registry blocked(file);
    RegistryKey main = blocked.openOrCreate(kMain);
    RegistryKey columns = blocked.openOrCreate(kColumns);
    ASSERT_TRUE(main.isOpen());
    main.setNumber(QStringLiteral("Version"), 953);
    const FileResult result = main.close();
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().startsWith(QStringLiteral("Cannot write \"%1\"").arg(file)))
        << result.message().toStdString();
    // While another key of the file is open the change stays in memory, and each close tries again.
    RegistryKey again = blocked.open(kMain);
    ASSERT_TRUE(again.value(u"Version").has_value());
    EXPECT_EQ(again.value(u"Version")->number, 953u);
    EXPECT_FALSE(again.close().ok());
    EXPECT_FALSE(columns.close().ok());
}

TEST_F(RegistryKeys, OnlyACloseWritesAndAKeyLeftUnclosedLosesItsChanges)
{
    {
        RegistryKey created = registry.openOrCreate(kMain);
        created.setNumber(QStringLiteral("Version"), 953);
    }
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(registry.open(kMain).isOpen()) << "no later close writes what was dropped";

    const QByteArray stored("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"SortType\"=dword:00000003\r\n");
    writeFileBytes(file, stored);
    RegistryKey key = registry.open(kMain);
    key.setNumber(QStringLiteral("SortType"), 4);
    key = RegistryKey();
    EXPECT_EQ(readFileBytes(file), stored);
    EXPECT_EQ(registry.open(kMain).value(u"SortType"), RegistryValue::fromNumber(3));
}

TEST_F(RegistryKeys, TwoRegistriesOnTwoFilesShareNothing)
{
    const QString otherFile = folder.file(QStringLiteral("other.reg"));
    Registry other(otherFile);
    RegistryKey mine = registry.openOrCreate(kMain);
    RegistryKey theirs = other.openOrCreate(kMain);
    mine.setText(QStringLiteral("Lastusedcurrency"), QStringLiteral("EUR"));
    EXPECT_FALSE(theirs.value(u"Lastusedcurrency").has_value());
    theirs.setText(QStringLiteral("Lastusedcurrency"), QStringLiteral("USD"));
    EXPECT_EQ(mine.value(u"Lastusedcurrency")->text, u"EUR");

    // Closing one writes its own file only.
    ASSERT_TRUE(theirs.close().ok());
    EXPECT_FALSE(QFile::exists(file));
    ASSERT_TRUE(mine.close().ok());
    EXPECT_EQ(registry.open(kMain).value(u"Lastusedcurrency")->text, u"EUR");
    EXPECT_EQ(other.open(kMain).value(u"Lastusedcurrency")->text, u"USD");
}

TEST_F(RegistryKeys, TheFileComesFromTheEnvironment)
{
    const QByteArray savedRegistry = qgetenv("TALLYFOX_REGISTRY");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("TALLYFOX_REGISTRY", file.toUtf8());
    EXPECT_EQ(registryFilePath(), file);
    qunsetenv("TALLYFOX_REGISTRY");
    qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
    EXPECT_EQ(registryFilePath(), folder.path() + QStringLiteral("/tallyfox/registry.reg"));
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(registryFilePath(), QDir::homePath() + QStringLiteral("/.config/tallyfox/registry.reg"));
    qputenv("TALLYFOX_REGISTRY", savedRegistry);
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

} // namespace
} // namespace tallyfox
