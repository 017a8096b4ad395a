// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Delimited text as banks and spreadsheets write it: RFC 4180 quoting, the delimiter found, the encodings.
#include "storage/delimitedtext.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

QList<QStringList> fieldsOf(const DelimitedTable& table)
{
    QList<QStringList> fields;
    for (qsizetype record = 0; record < table.recordCount(); ++record)
        fields.append(table.fields(record));
    return fields;
}

TEST(DelimitedText, QuotedFieldsHoldDelimitersQuotesAndLineBreaks)
{
    const DelimitedTable records =
        parseDelimited(u"a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",x,\r\n\r\nlast,\"\",\"open", u',');
    EXPECT_EQ(fieldsOf(records),
              (QList<QStringList>{
                  {QStringLiteral("a"), QStringLiteral("b,c"), QStringLiteral("say \"hi\"")},
                  {QStringLiteral("two\nlines"), QStringLiteral("x"), QString()},
                  {QStringLiteral("last"), QString(), QStringLiteral("open")},
              }));
    // Each record names the line it starts on; the empty line gives none.
    ASSERT_EQ(records.recordCount(), 3);
    EXPECT_EQ(records.line(0), 1);
    EXPECT_EQ(records.line(1), 2);
    EXPECT_EQ(records.line(2), 5);
    // A record has the fields it has; asking past them gives none.
    EXPECT_EQ(records.field(2, 3), QStringView());
    EXPECT_EQ(records.field(2, -1), QStringView());
}

TEST(DelimitedText, LineEndsOfEveryKindEndRecordsAndAQuoteInsideAFieldIsText)
{
    const DelimitedTable records = parseDelimited(u"a;b\rc;d\ne;5\" screen;\"x\"y", u';');
    EXPECT_EQ(fieldsOf(records), (QList<QStringList>{{QStringLiteral("a"), QStringLiteral("b")},
                                                     {QStringLiteral("c"), QStringLiteral("d")},
                                                     {QStringLiteral("e"), QStringLiteral("5\" screen"),
                                                      QStringLiteral("xy")}}));
    EXPECT_EQ(records.line(2), 3);
}

TEST(DelimitedText, TheDelimiterIsTheOneThatSplitsTheLinesAlike)
{
    const struct
    {
        const char16_t* text;
        char16_t delimiter;
    } cases[] = {
        {u"Date;Text;Amount\n03.01.2023;a, b;12,50\n04.01.2023;c;1,00\n", u';'},
        {u"Date,Amount,Note\n1/3/2023,12.50,\"x; y\"\n1/4/2023,3.00,z\n", u','},
        {u"Date\tAmount\n2023-01-03\t12,5\n2023-01-04\t1,5\n", u'\t'},
        {u"just one column\nand another line\n", u','},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_EQ(detectDelimiter(QString::fromUtf16(c.text)), QChar(c.delimiter));
    }
}

TEST(DelimitedText, FilesAreReadAsUtf8WithOrWithoutBomUtf16OrWindows1252)
{
    const DecodedText bom = decodeTextFile("\xEF\xBB\xBF"
                                           "Datum;Betrag");
    EXPECT_EQ(bom.encoding, TextFileEncoding::Utf8WithBom);
    EXPECT_EQ(bom.text, QStringLiteral("Datum;Betrag"));
    const DecodedText plain = decodeTextFile("Caf\xC3\xA9");
    EXPECT_EQ(plain.encoding, TextFileEncoding::Utf8);
    EXPECT_EQ(plain.text, QStringLiteral("Caf\u00e9"));
    const DecodedText windows = decodeTextFile("W\xE4hrung \x80");
    EXPECT_EQ(windows.encoding, TextFileEncoding::Windows1252);
    EXPECT_EQ(windows.text, QStringLiteral("W\u00e4hrung \u20ac"));
    const DecodedText utf16 = decodeTextFile(QByteArrayView("\xFF\xFE"
                                                            "a\0;\0",
                                                            6));
    EXPECT_EQ(utf16.encoding, TextFileEncoding::Utf16WithBom);
    EXPECT_EQ(utf16.text, QStringLiteral("a;"));
    const DecodedText bigEndian = decodeTextFile(QByteArrayView("\xFE\xFF\0a\0;", 6));
    EXPECT_EQ(bigEndian.text, QStringLiteral("a;"));
}

// A large table is read in two halves at once; it must read as it would in one piece, also when a
// quoted field with line breaks runs across the middle, or a record's line end is cut there.
TEST(DelimitedText, ALargeTableReadsTheSameWhereverItsMiddleFalls)
{
    constexpr int kRows = 100000;
    const QString longNote = QStringLiteral("a\n").repeated(30000);
    for (const int middleRow : {-1, kRows / 2}) {
        SCOPED_TRACE(middleRow);
        QString text;
        QList<QStringList> expected;
        QList<qsizetype> lines;
        qsizetype line = 1;
        for (int row = 0; row < kRows; ++row) {
            const QString number = QString::number(row);
            if (row == middleRow) {
                text += number + QStringLiteral(",\"") + longNote + QStringLiteral("\"\"end\",x\r\n");
                expected.append({number, longNote + QStringLiteral("\"end"), QStringLiteral("x")});
            } else {
                text += number + QStringLiteral(",\"n;") + number + QStringLiteral("\",plain\r\n");
                expected.append({number, QStringLiteral("n;") + number, QStringLiteral("plain")});
            }
            lines.append(line);
            line += row == middleRow ? 30001 : 1;
        }
        ASSERT_GT(text.size(), 1 << 20);
        const DelimitedTable table = parseDelimited(text, u',');
        ASSERT_EQ(table.recordCount(), kRows);
        for (int row = 0; row < kRows; ++row) {
            ASSERT_EQ(table.fields(row), expected[row]) << "row " << row;
            ASSERT_EQ(table.line(row), lines[row]) << "row " << row;
        }
    }
}

TEST(DelimitedText, ALargeFileDecodesAsInOnePiece)
{
    // Characters of one to four bytes on every line, and a byte-order mark starting a line after the
    // middle, which is text there.
    QByteArray bytes;
    while (bytes.size() < (3 << 20))
        bytes += "Caf\xC3\xA9;\xE2\x98\x95;\xF0\x9D\x84\x9E;12,50\n";
    bytes += "\xEF\xBB\xBF"
             "after\n";
    const DecodedText decoded = decodeTextFile(bytes);
    EXPECT_EQ(decoded.encoding, TextFileEncoding::Utf8);
    EXPECT_EQ(decoded.text, QString::fromUtf8(bytes));
}

} // namespace
} // namespace tallyfox
