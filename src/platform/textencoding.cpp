// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/textencoding.h"

#include <QStringDecoder>
#include <array>

namespace tallyfox {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five undefined bytes map to the C1 controls.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Written by hand rather than through QStringEncoder, which takes a sixth longer to write a database
// file and makes U+FFFD, not "?", of a broken surrogate pair.
template <bool InField> char* putUtf8Units(char* out, QStringView text)
{
    const char16_t* const units = text.utf16();
    const qsizetype count = text.size();
    for (qsizetype i = 0; i < count; ++i) {
        const char16_t c = units[i];
        if (c < 0x80) {
            *out++ = static_cast<char>(InField ? fieldChar(c) : c);
        } else if (c < 0x800) {
            *out++ = static_cast<char>(0xC0 | (c >> 6));
            *out++ = static_cast<char>(0x80 | (c & 0x3F));
        } else if (!QChar::isSurrogate(c)) {
            *out++ = static_cast<char>(0xE0 | (c >> 12));
            *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (c & 0x3F));
        } else {
            // Rare: characters beyond the basic plane, or a broken pair; Qt's encoder decides. Bytes of
            // multi-byte characters are never tabs or line ends.
            const QByteArray rest = text.sliced(i).toUtf8();
            for (const char byte : rest)
                *out++ = InField ? static_cast<char>(fieldChar(static_cast<unsigned char>(byte))) : byte;
            return out;
        }
    }
    return out;
}

template <bool InField> void appendUtf8Units(QByteArray& out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + kMaxUtf8BytesPerUnit * text.size());
    const char* const end = putUtf8Units<InField>(out.data() + start, text);
    out.resize(end - out.constData());
}

} // namespace

LineEncoding detectLineEncoding(QByteArrayView line)
{
    if (line.isValidUtf8())
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

QString decodeUtf16Le(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf16LE);
    QString text = decoder(bytes);
    const qsizetype size = text.size();
    QChar* units = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        if (units[i].isHighSurrogate() && i + 1 < size && units[i + 1].isLowSurrogate())
            ++i;
        else if (units[i].isSurrogate())
            units[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QString fieldText(QString text)
{
    for (QChar& c : text)
        c = QChar(fieldChar(c.unicode()));
    return text;
}

char* putUtf8Field(char* out, QStringView text)
{
    return putUtf8Units<true>(out, text);
}

char* putUtf8(char* out, QStringView text)
{
    return putUtf8Units<false>(out, text);
}

void appendUtf8(QByteArray& out, QStringView text)
{
    appendUtf8Units<false>(out, text);
}

void appendUtf8Field(QByteArray& out, QStringView text)
{
    appendUtf8Units<true>(out, text);
}

} // namespace tallyfox
