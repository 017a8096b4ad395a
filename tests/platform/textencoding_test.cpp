// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/textencoding.h"

#include <gtest/gtest.h>
#include <string>

namespace tallyfox {
namespace {

TEST(LineEncoding, ValidUtf8IsReadAsUtf8AndAnythingElseAsWindows1252)
{
    EXPECT_EQ(detectLineEncoding("plain ascii"), LineEncoding::Utf8);
    EXPECT_EQ(detectLineEncoding("caf\xc3\xa9 \xe2\x82\xac"), LineEncoding::Utf8);
    EXPECT_EQ(detectLineEncoding("caf\xe9"), LineEncoding::Windows1252);
    EXPECT_EQ(detectLineEncoding("\xc3"), LineEncoding::Windows1252); // cut in the middle of a character
    EXPECT_EQ(detectLineEncoding(QByteArrayView("a\0b", 3)), LineEncoding::Utf8);
}

TEST(LineEncoding, Windows1252KeepsAccentsAndTheEuroSign)
{
    EXPECT_EQ(decodeWindows1252("caf\xe9 \x80 \x9f \xff"), QString::fromUtf8("café € Ÿ ÿ"));
    // Bytes without a character in the code page stay as the control characters of the same number.
    EXPECT_EQ(decodeWindows1252("\x81\x8d\x8f\x90\x9d"),
              QStringView(u"\u0081\u008d\u008f\u0090\u009d").toString());
    EXPECT_EQ(decodeLenient("caf\xe9"), QString::fromUtf8("café"));
    EXPECT_EQ(decodeLenient("caf\xc3\xa9"), QString::fromUtf8("café"));
}

TEST(LineEncoding, AppendUtf8WritesAsciiAndOtherTextsAlike)
{
    QByteArray out("x");
    appendUtf8(out, u"abc");
    appendUtf8(out, u"\u00e9\u20ac");
    appendUtf8(out, u"");
    EXPECT_EQ(out, QByteArray("xabc\xc3\xa9\xe2\x82\xac"));
}

// Texts at the edges of each UTF-8 length, beyond the basic plane, with broken surrogate pairs, and with
// tabs and line ends among them.
class Utf8Writing : public ::testing::TestWithParam<std::u16string>
{};

TEST_P(Utf8Writing, MatchesQtsEncoderAndKeepsFieldsOnTheirLine)
{
    const QString text = QString::fromStdU16String(GetParam());
    QByteArray field = text.toUtf8();
    for (char& c : field) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    QByteArray out("x");
    appendUtf8(out, text);
    EXPECT_EQ(out, "x" + text.toUtf8());
    out = "x";
    appendUtf8Field(out, text);
    EXPECT_EQ(out, "x" + field);
    EXPECT_EQ(fieldText(text).toUtf8(), field);

    // The room that writers make is enough.
    QByteArray room(kMaxUtf8BytesPerUnit * text.size(), '\0');
    const char* end = putUtf8Field(room.data(), text);
    EXPECT_EQ(QByteArrayView(room.constData(), end - room.constData()), field);
}

INSTANTIATE_TEST_SUITE_P(Texts, Utf8Writing,
                         ::testing::Values(u"", u"plain", u"tab\there", u"two\r\nlines\rand\nmore",
                                           u"\u007f\u0080\u07ff\u0800\uffff", u"caf\u00e9 \u20ac",
                                           u"\U0001F600 smile\t", u"\xd800", u"a\xdc00\tb",
                                           u"\xd83d\tc\u00e9", u"\u20ac\U0001F600\xd800\n"));

} // namespace
} // namespace tallyfox
