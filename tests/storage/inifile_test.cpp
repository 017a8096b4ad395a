#include "storage/inifile.h"
#include "storage/inifiletext.h"
#include "support/testenvironment.h"

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
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    sighandler_t m_oldHandler;
};

class IniFile : public ::testing::Test
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

QString textOf(TIniFile& ini, const QString& section, const QString& key)
{
    ini.setSection(section);
    return ini.IniText(key, QStringLiteral("<missing>"));
}

TEST_F(IniFile, AFixtureChangedInWriteModeSavesAsTheReference)
{
    writeFileBytes(path, readFileBytes(testDataPath(QStringLiteral("ini/mixed.ini"))));
    TIniFile ini(path, locale);
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("GENERAL"));
    ini.IniText(QStringLiteral("name"), QStringLiteral("Supper"));
    ini.IniText(QStringLiteral("Added"), QStringLiteral(" kept as given "));
    ini.setSection(QStringLiteral("Payment methods"));
    ini.IniNumber(QStringLiteral("Cash"), 1);
    ini.IniFlag(QStringLiteral("Card"), true);
    ini.setSection(QStringLiteral("expense types"));
    QStringList items = {QStringLiteral(" Bus "), QString(), QStringLiteral("Tram")};
    ASSERT_TRUE(ini.SectionLines(items).ok());
    ASSERT_TRUE(ini.close().ok());

    const QByteArray saved = readFileBytes(path);
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(testDataPath(QStringLiteral("ini/mixed.expected.ini")), saved);
    EXPECT_EQ(saved, readFileBytes(testDataPath(QStringLiteral("ini/mixed.expected.ini"))));

    // What was saved loads to the same lines.
    TIniFile again(path, locale);
    EXPECT_EQ(again.lines(), ini.lines());
}

TEST_F(IniFile, SectionsAreFoundWithCaseAndOuterSpacesIgnored)
{
    const QByteArray headers[] = {"[Currencies]", "[currencies]", "[ Currencies ]", "  [CURRENCIES]\t",
                                  "[\tcUrReNcIeS]"};
    for (const QByteArray& header : headers) {
        TIniFile ini(locale, header + "\r\nEUR=Primary\r\n");
        EXPECT_EQ(textOf(ini, QStringLiteral("Currencies"), QStringLiteral("eur")), u"Primary")
            << header.constData();
    }
    // The comparison follows the locale, not only ASCII.
    TIniFile accented(locale, "[CAF\xC3\x89]\r\nNote=x\r\n");
    EXPECT_EQ(textOf(accented, QStringLiteral("Caf\u00e9"), QStringLiteral("NOTE")), u"x");
}

TEST_F(IniFile, OnlyBracketedLinesOfThreeCharactersOrMoreAreHeaders)
{
    TIniFile ini(locale, "[]\r\nA=1\r\n[Main\r\nB=2\r\nMain]\r\nC=3\r\n[Other]\r\nD=4\r\n");
    ini.setSection(QStringLiteral("Other"));
    QStringList lines;
    ASSERT_TRUE(ini.SectionLines(lines).ok());
    EXPECT_EQ(lines, QStringList{QStringLiteral("D=4")});
    EXPECT_EQ(textOf(ini, QStringLiteral("Main"), QStringLiteral("B")), u"<missing>");
    EXPECT_EQ(textOf(ini, QString(), QStringLiteral("A")), u"<missing>");
}

TEST_F(IniFile, KeyLinesAreSplitAtTheFirstEqualsSignAndTrimmed)
{
    struct Case
    {
        QByteArray line;
        QString key;
        QString expected;
    };
    const Case cases[] = {
        {"  Name  =  \"Dinner\"  ", "name", "Dinner"},
        {"Name=\"Dinner", "Name", "\"Dinner"},
        {"Name=Din\"ner\"", "Name", "Din\"ner\""},
        {"Name=\"\"", "Name", ""},
        {"Name=\"", "Name", "\""},
        {"Name=\" spaced \"", "Name", " spaced "},
        {"a=b=c", "a", "b=c"},
        {"Name=", "Name", ""},
        {"Name", "Name", "<missing>"},
        {"=value", "", "value"},
    };
    for (const Case& c : cases) {
        TIniFile ini(locale, "[S]\r\n" + c.line + "\r\n");
        EXPECT_EQ(textOf(ini, QStringLiteral("S"), c.key), c.expected) << c.line.constData();
    }
}

TEST_F(IniFile, TheFirstOfDuplicateSectionsAndKeysIsReadAndOnlyItIsChanged)
{
    writeIni("[Main]\r\nKey=first\r\nKey=second\r\n[Other]\r\n[main]\r\nKey=shadow\r\nMore=1\r\n");
    TIniFile ini(path, locale);
    EXPECT_EQ(textOf(ini, QStringLiteral("Main"), QStringLiteral("Key")), u"first");
    EXPECT_EQ(textOf(ini, QStringLiteral("Main"), QStringLiteral("More")), u"<missing>");

    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("MAIN"));
    ini.IniText(QStringLiteral("key"), QStringLiteral("changed"));
    ini.IniText(QStringLiteral("More"), QStringLiteral("2"));
    ASSERT_TRUE(ini.close().ok());
    EXPECT_EQ(
        readFileBytes(path),
        "[Main]\r\nkey=changed\r\nKey=second\r\nMore=2\r\n[Other]\r\n[main]\r\nKey=shadow\r\nMore=1\r\n");
}

TEST_F(IniFile, NumbersAndFlagsReadLeniently)
{
    TIniFile ini(locale, "[S]\r\nA=12abc\r\nB=-5\r\nC=+3\r\nD=abc\r\nE=\r\nF=0\r\nG=2\r\nH=99999999999\r\n");
    ini.setSection(QStringLiteral("S"));
    EXPECT_EQ(ini.IniNumber(QStringLiteral("A"), 7), 12);
    EXPECT_EQ(ini.IniNumber(QStringLiteral("B"), 7), -5);
    EXPECT_EQ(ini.IniNumber(QStringLiteral("C"), 7), 3);
    EXPECT_EQ(ini.IniNumber(QStringLiteral("D"), 7), 0);
    EXPECT_EQ(ini.IniNumber(QStringLiteral("E"), 7), 0);
    EXPECT_EQ(ini.IniNumber(QStringLiteral("H"), 7), 2147483647);
    EXPECT_EQ(ini.IniNumber(QStringLiteral("Missing"), 7), 7);
    EXPECT_FALSE(ini.IniFlag(QStringLiteral("F"), true));
    EXPECT_TRUE(ini.IniFlag(QStringLiteral("G"), false));
    EXPECT_FALSE(ini.IniFlag(QStringLiteral("D"), true));
    EXPECT_TRUE(ini.IniFlag(QStringLiteral("Missing"), true));
    ini.setSection(QStringLiteral("Nowhere"));
    EXPECT_EQ(ini.IniNumber(QStringLiteral("A"), -1), -1);
}

TEST_F(IniFile, HexPairsAreReadLeniently)
{
    struct Case
    {
        QByteArray text;
        int byteCount;
        bool anyRead;
        std::vector<unsigned char> bytes; // the buffer afterwards, which starts as 0xEE
    };
    const Case cases[] = {
        {"0000000000002940", 8, true, {0, 0, 0, 0, 0, 0, 0x29, 0x40}},
        {"ff7Fa0", 3, true, {0xFF, 0x7F, 0xA0}},
        {"0A1", 3, true, {0x0A, 0xEE, 0xEE}},  // odd length: the lone digit is no byte
        {"G1", 2, true, {0x00, 0xEE}},         // a pair that starts with no digit is 0
        {"1G2Z", 2, true, {0x01, 0x02}},       // the digits before the first other character
        {"$A$$", 2, true, {0x0A, 0x00}},       // a leading "$" is skipped
        {"0102030405", 2, true, {0x01, 0x02}}, // no more than the buffer holds
        {"A", 2, false, {0xEE, 0xEE}},         // no whole pair
        {"", 2, false, {0xEE, 0xEE}},          // empty value
        {"\xC3\xA9\xC3\xA9", 1, true, {0x00}}, // non-ASCII characters are no digits
    };
    for (const Case& c : cases) {
        TIniFile ini(locale, "[S]\r\nK=" + c.text + "\r\n");
        ini.setSection(QStringLiteral("S"));
        std::vector<unsigned char> buffer(static_cast<size_t>(c.byteCount), 0xEE);
        EXPECT_EQ(ini.IniBytes(QStringLiteral("K"), buffer.data(), c.byteCount), c.anyRead)
            << c.text.constData();
        EXPECT_EQ(buffer, c.bytes) << c.text.constData();
    }
    TIniFile missing(locale, QByteArray());
    unsigned char untouched = 0x11;
    EXPECT_FALSE(missing.IniBytes(QStringLiteral("K"), &untouched, 1));
    EXPECT_EQ(untouched, 0x11);
}

TEST_F(IniFile, BytesAreWrittenAsUpperCaseHexAndReadBack)
{
    unsigned char bytes[] = {0x00, 0x0A, 0xFF, 0x29, 0x40};
    TIniFile ini(path, locale);
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("Expense1"));
    ini.IniBytes(QStringLiteral("Amount"), bytes, 5);
    ASSERT_TRUE(ini.close().ok());
    EXPECT_EQ(readFileBytes(path), "[Expense1]\r\nAmount=000AFF2940\r\n");
    unsigned char back[5] = {};
    ini.setSection(QStringLiteral("Expense1"));
    EXPECT_TRUE(ini.IniBytes(QStringLiteral("Amount"), back, 5));
    EXPECT_EQ(std::vector<unsigned char>(back, back + 5), std::vector<unsigned char>(bytes, bytes + 5));
}

TEST_F(IniFile, WriteModePlacesKeysAndSections)
{
    writeIni("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    TIniFile ini(path, locale);
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("New"));
    EXPECT_EQ(ini.IniText(QStringLiteral("first"), QStringLiteral("1")), QString());
    ini.IniText(QStringLiteral("second"), QStringLiteral("2"));
    ini.setSection(QStringLiteral("a"));
    ini.IniText(QStringLiteral("z"), QStringLiteral("3"));   // after the section's last line
    ini.IniText(QStringLiteral("X"), QStringLiteral(" 4 ")); // replaces x=1, as given
    ini.setSection(QStringLiteral("B"));
    ini.IniText(QStringLiteral(" k "), QStringLiteral("\"q\"")); // neither trimmed nor quoted
    ini.IniText(QStringLiteral("multi"), QStringLiteral("two\r\nlines\n[A]"));
    // Nothing reaches the file before the object is switched back or closed.
    EXPECT_EQ(readFileBytes(path), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ASSERT_TRUE(ini.setMode(IniMode::Read).ok());
    EXPECT_EQ(readFileBytes(path), "[A]\r\nX= 4 \r\n\r\nz=3\r\n[B]\r\ny=2\r\n k =\"q\"\r\nmulti=two  lines "
                                   "[A]\r\n[New]\r\nfirst=1\r\nsecond=2\r\n");
    EXPECT_EQ(textOf(ini, QStringLiteral("B"), QStringLiteral("k")), u"q");
    EXPECT_EQ(textOf(ini, QStringLiteral("A"), QStringLiteral("x")), u"4");
}

TEST_F(IniFile, SectionLinesReadsNonEmptyLinesAndWritesTheSectionAgainAtTheEnd)
{
    writeIni("[Expense types]\r\n  Train  \r\n\r\nA=B\r\n\t\r\nDinner\r\n[Currencies]\r\nEUR=Primary\r\n");
    TIniFile ini(path, locale);
    ini.setSection(QStringLiteral("expense TYPES"));
    QStringList lines = {QStringLiteral("stale")};
    ASSERT_TRUE(ini.SectionLines(lines).ok());
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Train"), QStringLiteral("A=B"), QStringLiteral("Dinner")}));

    ini.setSection(QStringLiteral("Missing"));
    ASSERT_TRUE(ini.SectionLines(lines).ok());
    EXPECT_TRUE(lines.isEmpty());

    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("Expense types"));
    QStringList items = {QStringLiteral("  Bus "), QStringLiteral(" "), QStringLiteral("Tram")};
    ASSERT_TRUE(ini.SectionLines(items).ok());
    ASSERT_TRUE(ini.close().ok());
    EXPECT_EQ(readFileBytes(path), "[Currencies]\r\nEUR=Primary\r\n[Expense types]\r\nBus\r\nTram\r\n");
}

TEST_F(IniFile, EraseSectionRemovesItAndItsDuplicates)
{
    const QByteArray content = "[Keep]\r\na=1\r\n[Gone]\r\nb=2\r\n[Keep2]\r\n[gone]\r\nc=3\r\n";
    writeIni(content);
    {
        // Read mode saves at once.
        TIniFile ini(path, locale);
        ini.setSection(QStringLiteral("GONE"));
        ASSERT_TRUE(ini.EraseSection().ok());
        EXPECT_EQ(readFileBytes(path), "[Keep]\r\na=1\r\n[Keep2]\r\n");
        ini.setSection(QStringLiteral("Gone"));
        EXPECT_EQ(ini.IniText(QStringLiteral("c"), QStringLiteral("none")), u"none");
    }
    writeIni(content);
    {
        // Write mode changes the file once, when it saves: never without the section written again.
        TIniFile ini(path, locale);
        ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
        ini.setSection(QStringLiteral("Gone"));
        ASSERT_TRUE(ini.EraseSection().ok());
        EXPECT_EQ(readFileBytes(path), content);
        ini.IniText(QStringLiteral("d"), QStringLiteral("4"));
    }
    EXPECT_EQ(readFileBytes(path), "[Keep]\r\na=1\r\n[Keep2]\r\n[Gone]\r\nd=4\r\n");
}

TEST_F(IniFile, SwitchingModesSavesAndLoads)
{
    writeIni("[S]\r\nk=1\r\n");
    TIniFile ini(path, locale);
    EXPECT_EQ(ini.mode(), IniMode::Read);
    ASSERT_TRUE(ini.setMode(IniMode::Read).ok()); // the current mode again: nothing happens
    writeIni("[S]\r\nk=2\r\n");
    EXPECT_EQ(textOf(ini, QStringLiteral("S"), QStringLiteral("k")), u"1");

    ASSERT_TRUE(ini.setMode(IniMode::Write).ok()); // loads the file again
    EXPECT_EQ(ini.lines(), (QStringList{QStringLiteral("[S]"), QStringLiteral("k=2")}));
    ini.IniText(QStringLiteral("k"), QStringLiteral("3"));
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    EXPECT_EQ(readFileBytes(path), "[S]\r\nk=2\r\n");
    ASSERT_TRUE(ini.setMode(IniMode::Read).ok());
    EXPECT_EQ(readFileBytes(path), "[S]\r\nk=3\r\n");
    EXPECT_EQ(textOf(ini, QStringLiteral("S"), QStringLiteral("k")), u"3");
}

TEST_F(IniFile, DestroyingTheObjectInWriteModeSavesAndAMissingFileIsCreatedOwnerOnly)
{
    {
        TIniFile ini(path, locale);
        EXPECT_TRUE(ini.loadResult().ok());
        EXPECT_TRUE(ini.lines().isEmpty());
        ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
        ini.setSection(QStringLiteral("S"));
        ini.IniText(QStringLiteral("k"), QStringLiteral("v"));
    }
    EXPECT_EQ(readFileBytes(path), "[S]\r\nk=v\r\n");
    EXPECT_EQ(QFile::permissions(path) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
}

TEST_F(IniFile, LineEndsOfEveryKindEndLines)
{
    const QByteArray contents[] = {
        "[A]\nk=1\n[B]\nk=2\n",
        "[A]\rk=1\r[B]\rk=2",
        "[A]\r\nk=1\n[B]\rk=2\r\n",
    };
    for (const QByteArray& content : contents) {
        TIniFile ini(locale, content);
        EXPECT_EQ(ini.lines().size(), 4) << content.constData();
        EXPECT_EQ(textOf(ini, QStringLiteral("A"), QStringLiteral("k")), u"1");
        EXPECT_EQ(textOf(ini, QStringLiteral("B"), QStringLiteral("k")), u"2");
    }
    // An LF after a CR belongs to it; an LF after that starts an empty line.
    TIniFile blank(locale, "a\r\n\nb\n\r");
    EXPECT_EQ(blank.lines(), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b"), QString()}));
}

TEST_F(IniFile, OddBytesAreReadAndKeptWithoutLoss)
{
    // Byte order marks at the start, NUL bytes and a line in an 8-bit code page.
    TIniFile ini(locale,
                 QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[Main]\r\nNote=cr\xE8me\r\nA=1\0\0\0\r\nB=2\r\n", 42));
    EXPECT_EQ(textOf(ini, QStringLiteral("Main"), QStringLiteral("Note")), u"cr\u00e8me");
    EXPECT_EQ(textOf(ini, QStringLiteral("Main"), QStringLiteral("A")), u"1");
    EXPECT_EQ(textOf(ini, QStringLiteral("Main"), QStringLiteral("B")), u"2");
    EXPECT_EQ(ini.lines().first(), u"[Main]");

    // A byte order mark later in the text is a character of its line, written back as it was.
    const QByteArray inside = "[Main]\r\n\xEF\xBB\xBF"
                              "A=1\r\n";
    TIniFile marked(locale, inside);
    EXPECT_EQ(marked.lines().last(), u"\uFEFFA=1");
    EXPECT_EQ(joinTextLines(marked.lines()), inside);
}

TEST_F(IniFile, AFailedSaveIsReportedAndTheOldFileStaysWhole)
{
    const QByteArray old = "[Main]\r\nkey=old value that is longer than the limit\r\n";
    writeIni(old);
    TIniFile ini(path, locale);
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    ini.setSection(QStringLiteral("Main"));
    ini.IniText(QStringLiteral("key"), QStringLiteral("new value that is also longer than the limit"));
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
    TIniFile memory(locale, "[S]\r\n");
    ASSERT_TRUE(memory.setMode(IniMode::Write).ok());
    EXPECT_FALSE(memory.close().ok());
}

TEST_F(IniFile, AFileThatCannotBeReadIsNeverWrittenOver)
{
    writeIni("[Main]\r\nkey=precious\r\n");
    TIniFile ini(path, locale);
    // The file turns unreadable before write mode loads it again.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    ASSERT_TRUE(ini.setMode(IniMode::Write).ok());
    EXPECT_FALSE(ini.loadResult().ok());
    EXPECT_TRUE(ini.lines().isEmpty());
    ini.setSection(QStringLiteral("Main"));
    ini.IniText(QStringLiteral("key"), QStringLiteral("replacement"));
    const FileResult result = ini.close();
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(path)) << result.message().toStdString();
    EXPECT_TRUE(QFileInfo(path).isDir());
}

} // namespace
} // namespace tallyfox
