#include "storage/inifile.h"
#include "support/testenvironment.h"

#include <QDir>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <vector>

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

QString textOf(IniFile& ini, const QString& section, const QString& key)
{
    ini.setSection(section);
    return ini.iniText(key, QStringLiteral("<missing>"));
}

TEST_F(IniWrite, AFixtureChangedInWriteModeSavesAsTheReference)
{
    writeFileBytes(path, readFileBytes(testDataPath(QStringLiteral("ini/mixed.ini"))));
    IniFile ini(path, locale);
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("GENERAL"));
    ini.iniText(QStringLiteral("name"), QStringLiteral("Supper"));
    ini.iniText(QStringLiteral("Added"), QStringLiteral(" kept as given "));
    ini.setSection(QStringLiteral("Payment methods"));
    ini.iniNumber(QStringLiteral("Cash"), 1);
    ini.iniFlag(QStringLiteral("Card"), true);
    ini.setSection(QStringLiteral("expense types"));
    QStringList items = {QStringLiteral(" Bus "), QString(), QStringLiteral("Tram")};
    ASSERT_TRUE(ini.sectionLines(items).ok());
    ASSERT_TRUE(ini.close().ok());

    const QByteArray saved = readFileBytes(path);
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(testDataPath(QStringLiteral("ini/mixed.expected.ini")), saved);
    EXPECT_EQ(saved, readFileBytes(testDataPath(QStringLiteral("ini/mixed.expected.ini"))));

    // What was saved loads to the same lines.
    IniFile again(path, locale);
    EXPECT_EQ(again.lines(), ini.lines());
}

TEST_F(IniWrite, TheFirstOfDuplicateSectionsAndKeysIsReadAndOnlyItIsChanged)
{
    writeIni("[Main]\r\nKey=first\r\nKey=second\r\n[Other]\r\n[main]\r\nKey=shadow\r\nMore=1\r\n");
    IniFile ini(path, locale);
    EXPECT_EQ(textOf(ini, QStringLiteral("Main"), QStringLiteral("Key")), u"first");
    EXPECT_EQ(textOf(ini, QStringLiteral("Main"), QStringLiteral("More")), u"<missing>");

    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("MAIN"));
    ini.iniText(QStringLiteral("key"), QStringLiteral("changed"));
    ini.iniText(QStringLiteral("More"), QStringLiteral("2"));
    ASSERT_TRUE(ini.close().ok());
    EXPECT_EQ(
        readFileBytes(path),
        "[Main]\r\nkey=changed\r\nKey=second\r\nMore=2\r\n[Other]\r\n[main]\r\nKey=shadow\r\nMore=1\r\n");
}

TEST_F(IniWrite, BytesAreWrittenAsUpperCaseHexAndReadBack)
{
    unsigned char bytes[] = {0x00, 0x0A, 0xFF, 0x29, 0x40};
    IniFile ini(path, locale);
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("Expense1"));
    ini.iniBytes(QStringLiteral("Amount"), bytes, 5);
    ASSERT_TRUE(ini.close().ok());
    EXPECT_EQ(readFileBytes(path), "[Expense1]\r\nAmount=000AFF2940\r\n");
    unsigned char back[5] = {};
    ini.setSection(QStringLiteral("Expense1"));
    EXPECT_TRUE(ini.iniBytes(QStringLiteral("Amount"), back, 5));
    EXPECT_EQ(std::vector<unsigned char>(back, back + 5), std::vector<unsigned char>(bytes, bytes + 5));
}

TEST_F(IniWrite, WriteModePlacesKeysAndSections)
{
    writeIni("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    IniFile ini(path, locale);
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("New"));
    EXPECT_EQ(ini.iniText(QStringLiteral("first"), QStringLiteral("1")), QString());
    ini.iniText(QStringLiteral("second"), QStringLiteral("2"));
    ini.setSection(QStringLiteral("a"));
    ini.iniText(QStringLiteral("z"), QStringLiteral("3"));   // after the section's last line
    ini.iniText(QStringLiteral("X"), QStringLiteral(" 4 ")); // replaces x=1, as given
    ini.setSection(QStringLiteral("B"));
    ini.iniText(QStringLiteral(" k "), QStringLiteral("\"q\"")); // neither trimmed nor quoted
    ini.iniText(QStringLiteral("multi"), QStringLiteral("two\r\nlines\n[A]"));
    // Nothing reaches the file before the object is switched back or closed.
    EXPECT_EQ(readFileBytes(path), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ASSERT_TRUE(ini.setMode(IniMode::Read).ok());
    EXPECT_EQ(readFileBytes(path), "[A]\r\nX= 4 \r\n\r\nz=3\r\n[B]\r\ny=2\r\n k =\"q\"\r\nmulti=two  lines "
                                   "[A]\r\n[New]\r\nfirst=1\r\nsecond=2\r\n");
    EXPECT_EQ(textOf(ini, QStringLiteral("B"), QStringLiteral("k")), u"q");
    EXPECT_EQ(textOf(ini, QStringLiteral("A"), QStringLiteral("x")), u"4");
}

TEST_F(IniWrite, SectionLinesReadsNonEmptyLinesAndWritesTheSectionAgainAtTheEnd)
{
    writeIni("[Expense types]\r\n  Train  \r\n\r\nA=B\r\n\t\r\nDinner\r\n[Currencies]\r\nEUR=Primary\r\n");
    IniFile ini(path, locale);
    ini.setSection(QStringLiteral("expense TYPES"));
    QStringList lines = {QStringLiteral("stale")};
    ASSERT_TRUE(ini.sectionLines(lines).ok());
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Train"), QStringLiteral("A=B"), QStringLiteral("Dinner")}));

    ini.setSection(QStringLiteral("Missing"));
    ASSERT_TRUE(ini.sectionLines(lines).ok());
    EXPECT_TRUE(lines.isEmpty());

    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("Expense types"));
    QStringList items = {QStringLiteral("  Bus "), QStringLiteral(" "), QStringLiteral("Tram")};
    ASSERT_TRUE(ini.sectionLines(items).ok());
    ASSERT_TRUE(ini.close().ok());
    EXPECT_EQ(readFileBytes(path), "[Currencies]\r\nEUR=Primary\r\n[Expense types]\r\nBus\r\nTram\r\n");
}

TEST_F(IniWrite, EraseSectionRemovesItAndItsDuplicates)
{
    const QByteArray content = "[Keep]\r\na=1\r\n[Gone]\r\nb=2\r\n[Keep2]\r\n[gone]\r\nc=3\r\n";
    writeIni(content);
    {
        // Read mode saves at once.
        IniFile ini(path, locale);
        ini.setSection(QStringLiteral("GONE"));
        ASSERT_TRUE(ini.eraseSection().ok());
        EXPECT_EQ(readFileBytes(path), "[Keep]\r\na=1\r\n[Keep2]\r\n");
        ini.setSection(QStringLiteral("Gone"));
        EXPECT_EQ(ini.iniText(QStringLiteral("c"), QStringLiteral("none")), u"none");
    }
    writeIni(content);
    {
        // Write mode changes the file once, when it saves: never without the section written again.
        IniFile ini(path, locale);
        ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
        ini.setSection(QStringLiteral("Gone"));
        ASSERT_TRUE(ini.eraseSection().ok());
        EXPECT_EQ(readFileBytes(path), content);
        ini.iniText(QStringLiteral("d"), QStringLiteral("4"));
    }
    EXPECT_EQ(readFileBytes(path), "[Keep]\r\na=1\r\n[Keep2]\r\n[Gone]\r\nd=4\r\n");
}

TEST_F(IniWrite, SwitchingModesSavesAndLoads)
{
    writeIni("[S]\r\nk=1\r\n");
    IniFile ini(path, locale);
    EXPECT_EQ(ini.mode(), IniMode::Read);
    ASSERT_TRUE(ini.setMode(IniMode::Read).ok()); // the current mode again: nothing happens
    writeIni("[S]\r\nk=2\r\n");
    EXPECT_EQ(textOf(ini, QStringLiteral("S"), QStringLiteral("k")), u"1");

    ASSERT_TRUE(ini.setMode(IniMode::Write).ok()); // loads the file again
    EXPECT_EQ(ini.lines(), (QStringList{QStringLiteral("[S]"), QStringLiteral("k=2")}));
    ini.iniText(QStringLiteral("k"), QStringLiteral("3"));
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    EXPECT_EQ(readFileBytes(path), "[S]\r\nk=2\r\n");
    ASSERT_TRUE(ini.setMode(IniMode::Read).ok());
    EXPECT_EQ(readFileBytes(path), "[S]\r\nk=3\r\n");
    EXPECT_EQ(textOf(ini, QStringLiteral("S"), QStringLiteral("k")), u"3");
}

TEST_F(IniWrite, DestroyingTheObjectInWriteModeSavesAndAMissingFileIsCreatedOwnerOnly)
{
    {
        IniFile ini(path, locale);
        EXPECT_TRUE(ini.loadResult().ok());
        EXPECT_TRUE(ini.lines().isEmpty());
        ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
        ini.setSection(QStringLiteral("S"));
        ini.iniText(QStringLiteral("k"), QStringLiteral("v"));
    }
    EXPECT_EQ(readFileBytes(path), "[S]\r\nk=v\r\n");
    EXPECT_EQ(QFile::permissions(path) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
}

TEST_F(IniWrite, AFailedSaveIsReportedAndTheOldFileStaysWhole)
{
    const QByteArray old = "[Main]\r\nkey=old value that is longer than the limit\r\n";
    writeIni(old);
    IniFile ini(path, locale);
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("Main"));
    ini.iniText(QStringLiteral("key"), QStringLiteral("new value that is also longer than the limit"));
    FileResult result;
    {
        FileSizeLimit full(16);
        result = ini.close();
    }
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(path)) << result.message().toStdString();
    EXPECT_EQ(readFileBytes(path), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("test.ini")});

    // Content that belongs to no file cannot be saved.
    IniFile memory(locale, "[S]\r\n");
    ASSERT_TRUE(memory.setMode(IniMode::Write).ok());
    EXPECT_FALSE(memory.close().ok());
}

TEST_F(IniWrite, AFileThatCannotBeReadIsNeverWrittenOver)
{
    writeIni("[Main]\r\nkey=precious\r\n");
    IniFile ini(path, locale);
    // The file turns unreadable before write mode loads it again.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    EXPECT_FALSE(ini.loadResult().ok());
    EXPECT_TRUE(ini.lines().isEmpty());
    ini.setSection(QStringLiteral("Main"));
    ini.iniText(QStringLiteral("key"), QStringLiteral("replacement"));
    const FileResult result = ini.close();
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(path)) << result.message().toStdString();
    EXPECT_TRUE(QFileInfo(path).isDir());
}

} // namespace
} // namespace tallyfox
