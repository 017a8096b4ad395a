#include "platform/textencoding.h"

#include <array>

namespace tallyfox {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five undefined bytes map to the C1 controls.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

LineEncoding detectLineEncoding(QByteArrayView line)
{
    if (isAscii(line) || line.isValidUtf8())
        return LineEncoding::Utf8;
    return LineEncoding::Windows1252;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString decodeText(QByteArrayView bytes, LineEncoding encoding)
{
    return encoding == LineEncoding::Utf8 ? QString::fromUtf8(bytes) : decodeWindows1252(bytes);
}

QString decodeLenient(QByteArrayView bytes)
{
    return decodeText(bytes, detectLineEncoding(bytes));
}

void appendUtf8(QByteArray& out, QStringView text)
{
    for (QChar ch : text) {
        if (ch.unicode() >= 0x80) {
            out.append(text.toUtf8());
            return;
        }
    }
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* dest = out.data() + start;
    for (QChar ch : text)
        *dest++ = static_cast<char>(ch.unicode());
}

void appendUtf8Field(QByteArray& out, QStringView text)
{
    const qsizetype start = out.size();
    appendUtf8(out, text);
    for (char* c = out.data() + start; c != out.data() + out.size(); ++c) {
        if (*c == '\t' || *c == '\r' || *c == '\n')
            *c = ' ';
    }
}

} // namespace tallyfox
