#include "storage/inifile.h"
#include "storage/inifiletext.h"
#include "support/testenvironment.h"

#include <gtest/gtest.h>
#include <vector>

namespace tallyfox {
namespace {

class IniRead : public ::testing::Test
{
protected:
    UserLocale locale{test::pinnedLocale()};
};

QString valueIn(IniFile& ini, const QString& section, const QString& key)
{
    ini.setSection(section);
    return ini.iniText(key, QStringLiteral("<missing>"));
}

TEST_F(IniRead, SectionsAreFoundWithCaseAndOuterSpacesIgnored)
{
    const QByteArray headers[] = {"[Currencies]", "[currencies]", "[ Currencies ]", "  [CURRENCIES]\t",
                                  "[\tcUrReNcIeS]"};
    for (const QByteArray& header : headers) {
        IniFile ini(locale, header + "\r\nEUR=Primary\r\n");
        EXPECT_EQ(valueIn(ini, QStringLiteral("Currencies"), QStringLiteral("eur")), u"Primary")
            << header.constData();
    }
    // The comparison follows the locale, not only ASCII.
    IniFile accented(locale, "[CAF\xC3\x89]\r\nNote=x\r\n");
    EXPECT_EQ(valueIn(accented, QStringLiteral("Caf\u00e9"), QStringLiteral("NOTE")), u"x");
}

TEST_F(IniRead, OnlyBracketedLinesOfThreeCharactersOrMoreAreHeaders)
{
    IniFile ini(locale, "[]\r\nA=1\r\n[Main\r\nB=2\r\nMain]\r\nC=3\r\n[Other]\r\nD=4\r\n");
    ini.setSection(QStringLiteral("Other"));
    QStringList lines;
    ASSERT_TRUE(ini.sectionLines(lines).ok());
    EXPECT_EQ(lines, QStringList{QStringLiteral("D=4")});
    EXPECT_EQ(valueIn(ini, QStringLiteral("Main"), QStringLiteral("B")), u"<missing>");
    EXPECT_EQ(valueIn(ini, QString(), QStringLiteral("A")), u"<missing>");
}

TEST_F(IniRead, KeyLinesAreSplitAtTheFirstEqualsSignAndTrimmed)
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
        IniFile ini(locale, "[S]\r\n" + c.line + "\r\n");
        EXPECT_EQ(valueIn(ini, QStringLiteral("S"), c.key), c.expected) << c.line.constData();
    }
}

TEST_F(IniRead, NumbersAndFlagsReadLeniently)
{
    IniFile ini(locale, "[S]\r\nA=12abc\r\nB=-5\r\nC=+3\r\nD=abc\r\nE=\r\nF=0\r\nG=2\r\nH=99999999999\r\n");
    ini.setSection(QStringLiteral("S"));
    EXPECT_EQ(ini.iniNumber(QStringLiteral("A"), 7), 12);
    EXPECT_EQ(ini.iniNumber(QStringLiteral("B"), 7), -5);
    EXPECT_EQ(ini.iniNumber(QStringLiteral("C"), 7), 3);
    EXPECT_EQ(ini.iniNumber(QStringLiteral("D"), 7), 0);
    EXPECT_EQ(ini.iniNumber(QStringLiteral("E"), 7), 0);
    EXPECT_EQ(ini.iniNumber(QStringLiteral("H"), 7), 2147483647);
    EXPECT_EQ(ini.iniNumber(QStringLiteral("Missing"), 7), 7);
    EXPECT_FALSE(ini.iniFlag(QStringLiteral("F"), true));
    EXPECT_TRUE(ini.iniFlag(QStringLiteral("G"), false));
    EXPECT_FALSE(ini.iniFlag(QStringLiteral("D"), true));
    EXPECT_TRUE(ini.iniFlag(QStringLiteral("Missing"), true));
    ini.setSection(QStringLiteral("Nowhere"));
    EXPECT_EQ(ini.iniNumber(QStringLiteral("A"), -1), -1);
}

TEST_F(IniRead, HexPairsAreReadLeniently)
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
        IniFile ini(locale, "[S]\r\nK=" + c.text + "\r\n");
        ini.setSection(QStringLiteral("S"));
        std::vector<unsigned char> buffer(static_cast<size_t>(c.byteCount), 0xEE);
        EXPECT_EQ(ini.iniBytes(QStringLiteral("K"), buffer.data(), c.byteCount), c.anyRead)
            << c.text.constData();
        EXPECT_EQ(buffer, c.bytes) << c.text.constData();
    }
    IniFile missing(locale, QByteArray());
    unsigned char untouched = 0x11;
    EXPECT_FALSE(missing.iniBytes(QStringLiteral("K"), &untouched, 1));
    EXPECT_EQ(untouched, 0x11);
}

TEST_F(IniRead, LineEndsOfEveryKindEndLines)
{
    const QByteArray contents[] = {
        "[A]\nk=1\n[B]\nk=2\n",
        "[A]\rk=1\r[B]\rk=2",
        "[A]\r\nk=1\n[B]\rk=2\r\n",
    };
    for (const QByteArray& content : contents) {
        IniFile ini(locale, content);
        EXPECT_EQ(ini.lines().size(), 4) << content.constData();
        EXPECT_EQ(valueIn(ini, QStringLiteral("A"), QStringLiteral("k")), u"1");
        EXPECT_EQ(valueIn(ini, QStringLiteral("B"), QStringLiteral("k")), u"2");
    }
    // An LF after a CR belongs to it; an LF after that starts an empty line.
    IniFile blank(locale, "a\r\n\nb\n\r");
    EXPECT_EQ(blank.lines(), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b"), QString()}));
}

TEST_F(IniRead, OddBytesAreReadAndKeptWithoutLoss)
{
    // Byte order marks at the start, NUL bytes and a line in an 8-bit code page.
    IniFile ini(locale,
                QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[Main]\r\nNote=cr\xE8me\r\nA=1\0\0\0\r\nB=2\r\n", 42));
    EXPECT_EQ(valueIn(ini, QStringLiteral("Main"), QStringLiteral("Note")), u"cr\u00e8me");
    EXPECT_EQ(valueIn(ini, QStringLiteral("Main"), QStringLiteral("A")), u"1");
    EXPECT_EQ(valueIn(ini, QStringLiteral("Main"), QStringLiteral("B")), u"2");
    EXPECT_EQ(ini.lines().first(), u"[Main]");

    // A byte order mark later in the text is a character of its line, written back as it was.
    const QByteArray inside = "[Main]\r\n\xEF\xBB\xBF"
                              "A=1\r\n";
    IniFile marked(locale, inside);
    EXPECT_EQ(marked.lines().last(), u"\uFEFFA=1");
    EXPECT_EQ(joinTextLines(marked.lines()), inside);
}

} // namespace
} // namespace tallyfox
