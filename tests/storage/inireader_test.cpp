// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/inifiletext.h"
#include "storage/inireader.h"
#include "support/testenvironment.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

class IniRead : public ::testing::Test
{
protected:
    UserLocale locale{test::pinnedLocale()};
};

QString valueIn(const IniReader& ini, const QString& section, const QString& key)
{
    return ini.section(section).text(key, QStringLiteral("<missing>"));
}

TEST_F(IniRead, SectionsAreFoundWithCaseAndOuterSpacesIgnored)
{
    const QByteArray headers[] = {"[Currencies]", "[currencies]", "[ Currencies ]", "  [CURRENCIES]\t",
                                  "[\tcUrReNcIeS]"};
    for (const QByteArray& header : headers) {
        const IniReader ini(locale, header + "\r\nEUR=Primary\r\n");
        EXPECT_EQ(valueIn(ini, QStringLiteral("Currencies"), QStringLiteral("eur")), u"Primary")
            << header.constData();
    }
    // The comparison follows the locale, not only ASCII.
    const IniReader accented(locale, "[CAF\xC3\x89]\r\nNote=x\r\n");
    EXPECT_EQ(valueIn(accented, QStringLiteral("Caf\u00e9"), QStringLiteral("NOTE")), u"x");
}

TEST_F(IniRead, OnlyBracketedLinesOfThreeCharactersOrMoreAreHeaders)
{
    const IniReader ini(locale, "[]\r\nA=1\r\n[Main\r\nB=2\r\nMain]\r\nC=3\r\n[Other]\r\nD=4\r\n");
    EXPECT_EQ(ini.section(QStringLiteral("Other")).lines(), QStringList{QStringLiteral("D=4")});
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
        const IniReader ini(locale, "[S]\r\n" + c.line + "\r\n");
        EXPECT_EQ(valueIn(ini, QStringLiteral("S"), c.key), c.expected) << c.line.constData();
    }
}

TEST_F(IniRead, NumbersAndFlagsReadLeniently)
{
    const IniReader ini(locale,
                        "[S]\r\nA=12abc\r\nB=-5\r\nC=+3\r\nD=abc\r\nE=\r\nF=0\r\nG=2\r\nH=99999999999\r\n");
    const IniSection s = ini.section(QStringLiteral("S"));
    EXPECT_EQ(s.number(QStringLiteral("A"), 7), 12);
    EXPECT_EQ(s.number(QStringLiteral("B"), 7), -5);
    EXPECT_EQ(s.number(QStringLiteral("C"), 7), 3);
    EXPECT_EQ(s.number(QStringLiteral("D"), 7), 0);
    EXPECT_EQ(s.number(QStringLiteral("E"), 7), 0);
    EXPECT_EQ(s.number(QStringLiteral("H"), 7), 2147483647);
    EXPECT_EQ(s.number(QStringLiteral("Missing"), 7), 7);
    EXPECT_FALSE(s.flag(QStringLiteral("F"), true));
    EXPECT_TRUE(s.flag(QStringLiteral("G"), false));
    EXPECT_FALSE(s.flag(QStringLiteral("D"), true));
    EXPECT_TRUE(s.flag(QStringLiteral("Missing"), true));
    EXPECT_EQ(ini.section(QStringLiteral("Nowhere")).number(QStringLiteral("A"), -1), -1);
}

TEST_F(IniRead, HexPairsAreReadLeniently)
{
    struct Case
    {
        QByteArray text;
        int maxCount;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"0000000000002940", 8, QByteArray("\0\0\0\0\0\0\x29\x40", 8)},
        {"ff7Fa0", 3, "\xFF\x7F\xA0"},
        {"0A1", 3, "\x0A"},                           // odd length: the lone digit is no byte
        {"G1", 2, QByteArray(1, '\0')},               // a pair that starts with no digit is 0
        {"1G2Z", 2, "\x01\x02"},                      // the digits before the first other character
        {"$A$$", 2, QByteArray("\x0A\0", 2)},         // a leading "$" is skipped
        {"0102030405", 2, "\x01\x02"},                // no more than asked for
        {"A", 2, ""},                                 // no whole pair
        {"", 2, ""},                                  // empty value
        {"\xC3\xA9\xC3\xA9", 1, QByteArray(1, '\0')}, // non-ASCII characters are no digits
    };
    for (const Case& c : cases) {
        const IniReader ini(locale, "[S]\r\nK=" + c.text + "\r\n");
        EXPECT_EQ(ini.section(QStringLiteral("S")).hexBytes(QStringLiteral("K"), c.maxCount), c.bytes)
            << c.text.constData();
    }
    const IniReader missing(locale, QByteArray());
    EXPECT_TRUE(missing.section(QStringLiteral("S")).hexBytes(QStringLiteral("K"), 1).isEmpty());
}

TEST_F(IniRead, LineEndsOfEveryKindEndLines)
{
    const QByteArray contents[] = {
        "[A]\nk=1\n[B]\nk=2\n",
        "[A]\rk=1\r[B]\rk=2",
        "[A]\r\nk=1\n[B]\rk=2\r\n",
    };
    for (const QByteArray& content : contents) {
        const IniReader ini(locale, content);
        EXPECT_EQ(ini.lines().size(), 4) << content.constData();
        EXPECT_EQ(valueIn(ini, QStringLiteral("A"), QStringLiteral("k")), u"1");
        EXPECT_EQ(valueIn(ini, QStringLiteral("B"), QStringLiteral("k")), u"2");
    }
    // An LF after a CR belongs to it; an LF after that starts an empty line.
    const IniReader blank(locale, "a\r\n\nb\n\r");
    EXPECT_EQ(blank.lines(), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b"), QString()}));
}

TEST_F(IniRead, OddBytesAreReadAndKeptWithoutLoss)
{
    // Byte order marks at the start, NUL bytes and a line in an 8-bit code page.
    static constexpr char kBytes[] =
        "\xEF\xBB\xBF\xEF\xBB\xBF[Main]\r\nNote=cr\xE8me\r\nA=1\0\0\0\r\nB=2\r\n";
    const IniReader ini(locale, QByteArray(kBytes, sizeof kBytes - 1));
    EXPECT_EQ(valueIn(ini, QStringLiteral("Main"), QStringLiteral("Note")), u"cr\u00e8me");
    EXPECT_EQ(valueIn(ini, QStringLiteral("Main"), QStringLiteral("A")), u"1");
    EXPECT_EQ(valueIn(ini, QStringLiteral("Main"), QStringLiteral("B")), u"2");
    EXPECT_EQ(ini.lines().first(), u"[Main]");

    // A byte order mark later in the text is a character of its line, written back as it was.
    const QByteArray inside = "[Main]\r\n\xEF\xBB\xBF"
                              "A=1\r\n";
    const IniReader marked(locale, inside);
    EXPECT_EQ(marked.lines().last(), u"\uFEFFA=1");
    EXPECT_EQ(joinTextLines(marked.lines()), inside);
}

TEST_F(IniRead, AFileIsReadWholeAndOneThatCannotBeReadGivesNoLinesAndSaysWhy)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("test.ini"));
    const IniReader missing(path, locale);
    EXPECT_TRUE(missing.loadResult().ok());
    EXPECT_TRUE(missing.lines().isEmpty());

    test::writeFileBytes(path, "[Main]\nKey=value\n");
    const IniReader present(path, locale);
    EXPECT_TRUE(present.loadResult().ok());
    EXPECT_EQ(present.fileName(), path);
    EXPECT_EQ(valueIn(present, QStringLiteral("main"), QStringLiteral("KEY")), u"value");

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    const IniReader folderInstead(path, locale);
    EXPECT_EQ(folderInstead.loadResult().error(), FileError::NotRegularFile);
    EXPECT_EQ(folderInstead.loadResult().path(), path);
    EXPECT_TRUE(folderInstead.lines().isEmpty());
    EXPECT_FALSE(folderInstead.section(QStringLiteral("Main")).exists());
}

} // namespace
} // namespace tallyfox
