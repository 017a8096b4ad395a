// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Delimited text as banks and spreadsheets write it: RFC 4180 quoting, the delimiter found, the encodings.
#include "storage/delimitedtext.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

QList<QStringList> fieldsOf(const QList<DelimitedRecord>& records)
{
    QList<QStringList> fields;
    for (const DelimitedRecord& record : records)
        fields.append(record.fields);
    return fields;
}

TEST(DelimitedText, QuotedFieldsHoldDelimitersQuotesAndLineBreaks)
{
    const QList<DelimitedRecord> records =
        parseDelimited(u"a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",x,\r\n\r\nlast,\"\",\"open", u',');
    EXPECT_EQ(fieldsOf(records),
              (QList<QStringList>{
                  {QStringLiteral("a"), QStringLiteral("b,c"), QStringLiteral("say \"hi\"")},
                  {QStringLiteral("two\nlines"), QStringLiteral("x"), QString()},
                  {QStringLiteral("last"), QString(), QStringLiteral("open")},
              }));
    // Each record names the line it starts on; the empty line gives none.
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[2].line, 5);
}

TEST(DelimitedText, LineEndsOfEveryKindEndRecordsAndAQuoteInsideAFieldIsText)
{
    const QList<DelimitedRecord> records = parseDelimited(u"a;b\rc;d\ne;5\" screen;\"x\"y", u';');
    EXPECT_EQ(fieldsOf(records), (QList<QStringList>{{QStringLiteral("a"), QStringLiteral("b")},
                                                     {QStringLiteral("c"), QStringLiteral("d")},
                                                     {QStringLiteral("e"), QStringLiteral("5\" screen"),
                                                      QStringLiteral("xy")}}));
    EXPECT_EQ(records[2].line, 3);
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

} // namespace
} // namespace tallyfox
