#include "platform/textencoding.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace tallyfox
