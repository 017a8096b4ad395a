// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/inireader.h"
#include "storage/iniwriter.h"
#include "support/testenvironment.h"

#include <QBuffer>
#include <QDir>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::testDataPath;
using test::writeFileBytes;

// Files beyond a few bytes cannot be written while this lives, as on a full disk; works for root too.
using test::FileSizeLimit;

class IniWrite : public ::testing::Test
{
protected:
    QString writeIni(const QByteArray& content)
    {
        writeFileBytes(path, content);
        return path;
    }

    UserLocale locale{test::pinnedLocale()};
    TempFolder folder;
    QString path = folder.file(QStringLiteral("test.ini"));
};

QString textOf(const QString& path, const QString& section, const QString& key)
{
    const UserLocale locale(test::pinnedLocale());
    const IniReader ini(path, locale);
    return ini.section(section).text(key, QStringLiteral("<missing>"));
}

TEST_F(IniWrite, AFixtureChangedAndSavedMatchesTheReference)
{
    writeFileBytes(path, readFileBytes(testDataPath(QStringLiteral("ini/mixed.ini"))));
    IniWriter ini(path, locale);
    ASSERT_TRUE(ini.loadResult().ok());
    ini.setText(QStringLiteral("GENERAL"), QStringLiteral("name"), QStringLiteral("Supper"));
    ini.setText(QStringLiteral("GENERAL"), QStringLiteral("Added"), QStringLiteral(" kept as given "));
    ini.setNumber(QStringLiteral("Payment methods"), QStringLiteral("Cash"), 1);
    ini.setFlag(QStringLiteral("Payment methods"), QStringLiteral("Card"), true);
    ini.setSectionLines(QStringLiteral("expense types"),
                        {QStringLiteral(" Bus "), QString(), QStringLiteral("Tram")});
    ASSERT_TRUE(ini.save().ok());

    const QByteArray saved = readFileBytes(path);
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(testDataPath(QStringLiteral("ini/mixed.expected.ini")), saved);
    EXPECT_EQ(saved, readFileBytes(testDataPath(QStringLiteral("ini/mixed.expected.ini"))));

    // What was saved loads to the same lines.
    const IniReader again(path, locale);
    EXPECT_EQ(again.lines(), ini.lines());
}

TEST_F(IniWrite, TheFirstOfDuplicateSectionsAndKeysIsReadAndOnlyItIsChanged)
{
    writeIni("[Main]\r\nKey=first\r\nKey=second\r\n[Other]\r\n[main]\r\nKey=shadow\r\nMore=1\r\n");
    EXPECT_EQ(textOf(path, QStringLiteral("Main"), QStringLiteral("Key")), u"first");
    EXPECT_EQ(textOf(path, QStringLiteral("Main"), QStringLiteral("More")), u"<missing>");

    IniWriter ini(path, locale);
    ini.setText(QStringLiteral("MAIN"), QStringLiteral("key"), QStringLiteral("changed"));
    ini.setText(QStringLiteral("MAIN"), QStringLiteral("More"), QStringLiteral("2"));
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(
        readFileBytes(path),
        "[Main]\r\nkey=changed\r\nKey=second\r\nMore=2\r\n[Other]\r\n[main]\r\nKey=shadow\r\nMore=1\r\n");
}

TEST_F(IniWrite, BytesAreWrittenAsUpperCaseHexAndReadBack)
{
    const QByteArray bytes("\x00\x0A\xFF\x29\x40", 5);
    IniWriter ini(path, locale);
    ini.setHexBytes(QStringLiteral("Expense1"), QStringLiteral("Amount"), bytes);
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(readFileBytes(path), "[Expense1]\r\nAmount=000AFF2940\r\n");
    const IniReader back(path, locale);
    EXPECT_EQ(back.section(QStringLiteral("Expense1")).hexBytes(QStringLiteral("Amount"), 5), bytes);
}

TEST_F(IniWrite, ValuesArePlacedInTheirSectionsAndNothingIsSavedBeforeSave)
{
    writeIni("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    IniWriter ini(path, locale);
    ini.setText(QStringLiteral("New"), QStringLiteral("first"), QStringLiteral("1"));
    ini.setText(QStringLiteral("New"), QStringLiteral("second"), QStringLiteral("2"));
    ini.setText(QStringLiteral("a"), QStringLiteral("z"),
                QStringLiteral("3")); // after the section's last line
    ini.setText(QStringLiteral("a"), QStringLiteral("X"), QStringLiteral(" 4 ")); // replaces x=1, as given
    ini.setText(QStringLiteral("B"), QStringLiteral(" k "),
                QStringLiteral("\"q\"")); // neither trimmed nor quoted
    ini.setText(QStringLiteral("B"), QStringLiteral("multi"), QStringLiteral("two\r\nlines\n[A]"));
    EXPECT_EQ(readFileBytes(path), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(readFileBytes(path), "[A]\r\nX= 4 \r\n\r\nz=3\r\n[B]\r\ny=2\r\n k =\"q\"\r\nmulti=two  lines "
                                   "[A]\r\n[New]\r\nfirst=1\r\nsecond=2\r\n");
    EXPECT_EQ(textOf(path, QStringLiteral("B"), QStringLiteral("k")), u"q");
    EXPECT_EQ(textOf(path, QStringLiteral("A"), QStringLiteral("x")), u"4");
}

TEST_F(IniWrite, SectionLinesAreReadNonEmptyAndWrittenAgainAtTheEnd)
{
    writeIni("[Expense types]\r\n  Train  \r\n\r\nA=B\r\n\t\r\nDinner\r\n[Currencies]\r\nEUR=Primary\r\n");
    const IniReader reader(path, locale);
    EXPECT_EQ(reader.section(QStringLiteral("expense TYPES")).lines(),
              (QStringList{QStringLiteral("Train"), QStringLiteral("A=B"), QStringLiteral("Dinner")}));
    EXPECT_TRUE(reader.section(QStringLiteral("Missing")).lines().isEmpty());

    IniWriter ini(path, locale);
    ini.setSectionLines(QStringLiteral("Expense types"),
                        {QStringLiteral("  Bus "), QStringLiteral(" "), QStringLiteral("Tram")});
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(readFileBytes(path), "[Currencies]\r\nEUR=Primary\r\n[Expense types]\r\nBus\r\nTram\r\n");
}

TEST_F(IniWrite, EraseSectionRemovesItAndItsDuplicatesWhenSaved)
{
    const QByteArray content = "[Keep]\r\na=1\r\n[Gone]\r\nb=2\r\n[Keep2]\r\n[gone]\r\nc=3\r\n";
    writeIni(content);
    IniWriter ini(path, locale);
    ini.eraseSection(QStringLiteral("GONE"));
    EXPECT_EQ(ini.lines(),
              (QStringList{QStringLiteral("[Keep]"), QStringLiteral("a=1"), QStringLiteral("[Keep2]")}));
    // The file changes once, when it is saved: never without the section that is written again.
    EXPECT_EQ(readFileBytes(path), content);
    ini.setText(QStringLiteral("Gone"), QStringLiteral("d"), QStringLiteral("4"));
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(readFileBytes(path), "[Keep]\r\na=1\r\n[Keep2]\r\n[Gone]\r\nd=4\r\n");
}

TEST_F(IniWrite, AWriterStartsFromTheFileAsItIsThenAndAWriterNotSavedChangesNothing)
{
    writeIni("[S]\r\nk=1\r\n");
    const IniReader before(path, locale);
    writeIni("[S]\r\nk=2\r\n");
    EXPECT_EQ(before.section(QStringLiteral("S")).text(QStringLiteral("k"), QString()), u"1");
    {
        IniWriter dropped(path, locale);
        EXPECT_EQ(dropped.lines(), (QStringList{QStringLiteral("[S]"), QStringLiteral("k=2")}));
        dropped.setText(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("3"));
    }
    EXPECT_EQ(readFileBytes(path), "[S]\r\nk=2\r\n");

    IniWriter ini(path, locale);
    ini.setText(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("3"));
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(readFileBytes(path), "[S]\r\nk=3\r\n");
    EXPECT_EQ(textOf(path, QStringLiteral("S"), QStringLiteral("k")), u"3");
}

TEST_F(IniWrite, AMissingFileIsCreatedOwnerOnly)
{
    IniWriter ini(path, locale);
    EXPECT_TRUE(ini.loadResult().ok());
    EXPECT_TRUE(ini.lines().isEmpty());
    ini.setText(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
    ASSERT_TRUE(ini.save().ok());
    EXPECT_EQ(readFileBytes(path), "[S]\r\nk=v\r\n");
    EXPECT_EQ(QFile::permissions(path) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
}

TEST_F(IniWrite, AFailedSaveIsReportedAndTheOldFileStaysWhole)
{
    const QByteArray old = "[Main]\r\nkey=old value that is longer than the limit\r\n";
    writeIni(old);
    IniWriter ini(path, locale);
    ini.setText(QStringLiteral("Main"), QStringLiteral("key"),
                QStringLiteral("new value that is also longer than the limit"));
    FileResult result;
    {
        FileSizeLimit full(16);
        result = ini.save();
    }
    EXPECT_EQ(result.error(), FileError::NotWritable);
    EXPECT_EQ(result.action(), FileAction::Write);
    EXPECT_EQ(result.path(), path);
    EXPECT_FALSE(result.reason().isEmpty());
    EXPECT_EQ(readFileBytes(path), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("test.ini")});

    // Content that belongs to no file cannot be saved.
    IniWriter memory(locale, "[S]\r\n");
    EXPECT_FALSE(memory.save().ok());
}

TEST_F(IniWrite, WritingToADeviceGivesTheLinesOrTheDevicesFailure)
{
    IniWriter ini(locale, "[S]\nk=v\n");
    ini.setText(QStringLiteral("S"), QStringLiteral("n"), QStringLiteral("2"));
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(ini.write(buffer).ok());
    EXPECT_EQ(buffer.data(), "[S]\r\nk=v\r\nn=2\r\n");

    test::FailingDevice failing(4);
    ASSERT_TRUE(failing.open(QIODevice::WriteOnly));
    const FileResult result = ini.write(failing);
    EXPECT_EQ(result.error(), FileError::NotWritable);
    EXPECT_EQ(result.reason(), failing.errorString());
}

TEST_F(IniWrite, AFileThatCannotBeReadIsNeverWrittenOver)
{
    ASSERT_TRUE(QDir().mkdir(path));
    IniWriter ini(path, locale);
    EXPECT_EQ(ini.loadResult().error(), FileError::NotRegularFile);
    EXPECT_TRUE(ini.lines().isEmpty());
    ini.setText(QStringLiteral("Main"), QStringLiteral("key"), QStringLiteral("replacement"));
    const FileResult result = ini.save();
    EXPECT_EQ(result.error(), FileError::ContentNotRead);
    EXPECT_EQ(
        result.message(),
        QStringLiteral("Cannot write \"%1\": It could not be read, so writing it would lose its content.")
            .arg(path));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

} // namespace
} // namespace tallyfox
