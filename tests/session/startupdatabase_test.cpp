// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "startupfixture.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tallyfox {
namespace {

using test::fileLines;
using test::readFileBytes;
using test::testDataPath;
using test::writeFileBytes;

using StartupDatabase = test::StartupTest;

TEST_F(StartupDatabase, TheChosenNewDatabaseIsCreatedByTheFirstRefresh)
{
    const QString settings = seedSettingsFolder();
    chooserAnswer = folder.file(QStringLiteral("chosen.tfx"));
    EXPECT_TRUE(start().isEmpty());
    EXPECT_EQ(chooserFolders, QStringList({settings}));
    EXPECT_EQ(startupMessages, QStringList({noDatabase()}));
    EXPECT_EQ(state.databasePath, *chooserAnswer);
    EXPECT_EQ(readFileBytes(*chooserAnswer), databaseBytes(ExpenseArray()));
    EXPECT_EQ(logTexts(), QStringList({QStringLiteral("New file: ") + *chooserAnswer,
                                       QStringLiteral("Load file: ") + *chooserAnswer}));
}

TEST_F(StartupDatabase, AStoredDatabaseIsLoadedAndLogged)
{
    const QString path = folder.file(QStringLiteral("elsewhere/my data.tfx"));
    QDir().mkpath(QFileInfo(path).path());
    ExpenseArray entries;
    entries.append(test::makeExpense({.type = "Lunch", .amount = 8.5}));
    writeFileBytes(path, databaseBytes(entries));
    seedSettingsFolder("\"Database\"=\"" + path.toUtf8() + "\"\r\n");

    EXPECT_TRUE(start().isEmpty());
    EXPECT_TRUE(startupMessages.isEmpty());
    EXPECT_TRUE(chooserFolders.isEmpty());
    EXPECT_EQ(state.databasePath, path);
    ASSERT_EQ(state.entryCount(), 1);
    EXPECT_EQ(state.entries[0].type, QStringLiteral("Lunch"));
    EXPECT_EQ(logTexts(), QStringList({QStringLiteral("Load file: ") + path}));
    EXPECT_EQ(readFileBytes(path), databaseBytes(entries));
}

TEST_F(StartupDatabase, TheTextDatabaseIsPreferredOnlyWithoutAStoredOne)
{
    const QString settings = seedSettingsFolder();
    const QString txt = settings + QStringLiteral("TallyfoxData.txt");
    const QString tfx = settings + QStringLiteral("TallyfoxData.tfx");
    placeDatabase(tfx);
    EXPECT_TRUE(start().isEmpty());
    EXPECT_EQ(state.databasePath, tfx);

    placeDatabase(txt);
    EXPECT_TRUE(start().isEmpty());
    EXPECT_EQ(state.databasePath, txt);

    seedSettingsFolder("\"Database\"=\"" + tfx.toUtf8() + "\"\r\n");
    EXPECT_TRUE(start().isEmpty());
    EXPECT_EQ(state.databasePath, tfx);
    EXPECT_TRUE(chooserFolders.isEmpty());
}

struct FileArgumentCase
{
    const char* name;
    const char* fileSwitch;
    const char* fileName; // created in the test's folder, in words
    bool exists;
    bool used;
};

class StartupFileArgument : public test::StartupTest, public ::testing::WithParamInterface<FileArgumentCase>
{};

TEST_P(StartupFileArgument, TheFileIsUsedOnlyWhenItExistsWithADatabaseExtension)
{
    const FileArgumentCase& c = GetParam();
    const QString settings = seedSettingsFolder();
    const QString fallback = settings + QStringLiteral("TallyfoxData.tfx");
    placeDatabase(fallback);
    const QString path = folder.path() + QStringLiteral("/My Documents/") + QString::fromUtf8(c.fileName);
    QDir().mkpath(folder.path() + QStringLiteral("/My Documents"));
    if (c.exists)
        placeDatabase(path);

    // The path arrives unquoted, in words.
    QStringList parameters = {QString::fromUtf8(c.fileSwitch)};
    parameters += path.split(u' ', Qt::SkipEmptyParts);
    EXPECT_TRUE(start(parameters).isEmpty());
    EXPECT_EQ(state.databasePath, c.used ? path : fallback);
    EXPECT_TRUE(startupMessages.isEmpty());
    EXPECT_TRUE(chooserFolders.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartupFileArgument,
    ::testing::Values(
        FileArgumentCase{"tfx", "-f", "my data.tfx", true, true},
        // The words are joined with single spaces, so a name with two does not survive unquoted.
        FileArgumentCase{"doubleSpace", "-f", "my  data.txt", true, false},
        FileArgumentCase{"textFile", "-f", "my data.txt", true, true},
        FileArgumentCase{"upperCaseSwitch", "-F", "my data.tfx", true, true},
        FileArgumentCase{"upperCaseExtension", "-f", "my data.TFX", true, true},
        FileArgumentCase{"otherExtension", "-f", "my data.doc", true, false},
        FileArgumentCase{"missing", "-f", "my data.tfx", false, false}),
    [](const ::testing::TestParamInfo<FileArgumentCase>& info) { return std::string(info.param.name); });

TEST_F(StartupDatabase, AFolderArgumentIsUsedOnlyWhenItExists)
{
    const QString storedFolder = seedSettingsFolder();
    placeDatabase(storedFolder + QStringLiteral("TallyfoxData.tfx"));
    const QString chosen = folder.path() + QStringLiteral("/Storage Card/acc");

    // Missing: the stored folder is used, without a message; the quick entry is asked for all the same.
    QStringList parameters = {QStringLiteral("-d")};
    parameters += chosen.split(u' ', Qt::SkipEmptyParts);
    parameters << QStringLiteral("-qe");
    EXPECT_TRUE(start(parameters).isEmpty());
    EXPECT_EQ(state.settingsFolder, storedFolder);
    EXPECT_TRUE(state.quickEntryOnStart);
    EXPECT_FALSE(state.quickEntryOnly);

    QDir().mkpath(chosen);
    placeDatabase(chosen + QStringLiteral("/TallyfoxData.tfx"));
    EXPECT_TRUE(start(parameters).isEmpty());
    EXPECT_EQ(state.settingsFolder, chosen + u'/');
    EXPECT_EQ(state.databasePath, chosen + QStringLiteral("/TallyfoxData.tfx"));
    EXPECT_TRUE(QFileInfo::exists(chosen + QStringLiteral("/Tallyfox.log")));
    EXPECT_TRUE(state.quickEntryOnStart);
    // The folder of a run is not stored as the settings folder until the settings are saved.
    ASSERT_TRUE(stored(u"DataLocation"));
    EXPECT_EQ(stored(u"DataLocation")->text, storedFolder);
}

TEST_F(StartupDatabase, AnOldFormatDatabaseIsConvertedIntoTheChosenFile)
{
    const QString settings =
        seedSettingsFolder("\"Database\"=\"" + folder.file(QStringLiteral("gone.tfx")).toUtf8() + "\"\r\n");
    const QByteArray old = readFileBytes(testDataPath(QStringLiteral("oldformat/TallyfoxData.ini")));
    writeFileBytes(settings + QStringLiteral("TallyfoxData.ini"), old);
    chooserAnswer = settings + QStringLiteral("converted.tfx");

    EXPECT_TRUE(start().isEmpty());
    EXPECT_EQ(startupMessages, QStringList({oldFormatFound()}));
    EXPECT_EQ(chooserFolders, QStringList({settings}));
    EXPECT_EQ(state.databasePath, *chooserAnswer);
    EXPECT_EQ(state.entryCount(), 4);
    EXPECT_EQ(readFileBytes(*chooserAnswer),
              readFileBytes(testDataPath(QStringLiteral("oldformat/TallyfoxData.expected.tfx"))));
    EXPECT_EQ(readFileBytes(settings + QStringLiteral("TallyfoxData.ini")), old);
    EXPECT_EQ(logTexts(), QStringList({QStringLiteral("New file: ") + *chooserAnswer,
                                       QStringLiteral("Convert file: ") + settings +
                                           QStringLiteral("TallyfoxData.ini to: ") + *chooserAnswer}));
}

TEST_F(StartupDatabase, AnOldFormatFileThatCannotBeReadIsTriedAgainAtTheNextStart)
{
    const QString settings = seedSettingsFolder("");
    // A folder stands where the old file should be: it exists but cannot be read.
    QDir().mkpath(settings + QStringLiteral("TallyfoxData.ini"));
    chooserAnswer = settings + QStringLiteral("converted.tfx");

    EXPECT_TRUE(start().isEmpty());
    ASSERT_EQ(startupMessages.size(), 2);
    EXPECT_EQ(startupMessages[0], oldFormatFound());
    EXPECT_TRUE(startupMessages[1].contains(QStringLiteral("TallyfoxData.ini")));
    EXPECT_EQ(state.entryCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(*chooserAnswer)) << "no empty database stands in the way of a retry";
    EXPECT_EQ(logTexts(), QStringList({QStringLiteral("New file: ") + *chooserAnswer}));
}

TEST_F(StartupDatabase, AnUnreadableDatabaseIsReportedAndNeverWrittenOver)
{
    // A folder stands where the database should be.
    const QString path = folder.file(QStringLiteral("data.tfx"));
    QDir().mkpath(path);
    seedSettingsFolder("\"Database\"=\"" + path.toUtf8() + "\"\r\n");

    EXPECT_TRUE(start().isEmpty()); // the refresh does not even try to write
    ASSERT_EQ(startupMessages.size(), 1);
    EXPECT_TRUE(startupMessages[0].contains(path)) << startupMessages[0].toStdString();
    EXPECT_TRUE(chooserFolders.isEmpty());
    EXPECT_EQ(state.databasePath, path);
    EXPECT_EQ(logTexts(), QStringList({QStringLiteral("Load file: ") + path}));
    session.toggleAutoSort();
    EXPECT_TRUE(session.takeMessages().isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());

    // New entries are kept in memory; the user hears once that they are not in the file, and every
    // refresh tells that its write did not happen.
    session.storeEntry(test::makeDraft({.type = "Taxi"}));
    session.storeEntry(test::makeDraft({.type = "Bus"}));
    const QStringList problems = session.takeMessages();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(path)) << problems[0].toStdString();
    EXPECT_EQ(state.entryCount(), 2);
    EXPECT_EQ(session.lastDatabaseWrite().error(), FileError::ContentNotRead);
    EXPECT_EQ(session.lastDatabaseWrite().path(), path);

    // Save as keeps them in another file.
    const QString copy = folder.file(QStringLiteral("copy.tfx"));
    session.saveDatabaseAs(copy);
    EXPECT_TRUE(session.takeMessages().isEmpty());
    EXPECT_TRUE(session.lastDatabaseWrite().ok());
    EXPECT_EQ(readFileBytes(copy), databaseBytes(state.entries));
}

TEST_F(StartupDatabase, AFileThatCannotBeReadIsNotReplacedByNewEntries)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    const QString path = folder.file(QStringLiteral("locked.tfx"));
    ExpenseArray entries;
    entries.append(test::makeExpense({.type = "Precious"}));
    const QByteArray content = databaseBytes(entries);
    writeFileBytes(path, content);
    QFile(path).setPermissions(QFileDevice::WriteOwner);
    seedSettingsFolder("\"Database\"=\"" + path.toUtf8() + "\"\r\n");

    EXPECT_TRUE(start().isEmpty());
    ASSERT_EQ(startupMessages.size(), 1);
    EXPECT_TRUE(startupMessages[0].contains(path));
    session.storeEntry(test::makeDraft({.type = "Taxi"}));
    EXPECT_EQ(session.takeMessages().size(), 1);
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readFileBytes(path), content);
}

TEST_F(StartupDatabase, TheCommandLineToolNamesItsDatabaseOutright)
{
    seedSettingsFolder();
    options.databasePath = folder.file(QStringLiteral("cli.tfx"));
    EXPECT_TRUE(start({QStringLiteral("-f"), folder.file(QStringLiteral("other.tfx"))}).isEmpty());
    EXPECT_EQ(state.databasePath, *options.databasePath);
    EXPECT_TRUE(chooserFolders.isEmpty());
    EXPECT_TRUE(startupMessages.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(*options.databasePath));
}

} // namespace
} // namespace tallyfox
