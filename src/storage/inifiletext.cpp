// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/inifiletext.h"

#include "platform/textencoding.h"

#include <QFileDevice>
#include <QStringDecoder>
#include <algorithm>

namespace tallyfox {

namespace {

constexpr QByteArrayView kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool isIniBlank(QChar ch)
{
    return ch.unicode() <= 32;
}

int hexDigitValue(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

} // namespace

QStringList splitTextLines(QByteArrayView content)
{
    // A NUL byte has no meaning in a text file (a file cut short by a power failure is often padded with
    // them); dropping it keeps the text after it instead of losing it at the next save.
    QByteArray withoutNuls;
    if (content.contains('\0')) {
        withoutNuls.reserve(content.size());
        for (char c : content) {
            if (c != '\0')
                withoutNuls.append(c);
        }
        content = withoutNuls;
    }
    while (content.startsWith(kUtf8ByteOrderMark))
        content = content.sliced(kUtf8ByteOrderMark.size());

    // A byte order mark inside the text is a character like any other; decoding it keeps every line
    // exactly as it will be written again.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QStringList lines;
    const char* const end = content.data() + content.size();
    const char* lineStart = content.data();
    while (lineStart < end) {
        const char* lineEnd = lineStart;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        const QByteArrayView line(lineStart, lineEnd - lineStart);
        lines.append(detectLineEncoding(line) == LineEncoding::Utf8 ? QString(utf8(line))
                                                                    : decodeWindows1252(line));
        lineStart = lineEnd < end ? lineEnd + 1 : end;
        if (lineEnd < end && *lineEnd == '\r' && lineStart < end && *lineStart == '\n')
            ++lineStart;
    }
    return lines;
}

QByteArray joinTextLines(const QStringList& lines)
{
    QByteArray out;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    out.reserve(size);
    for (const QString& line : lines) {
        appendUtf8(out, line);
        out.append("\r\n");
    }
    return out;
}

bool writeTextLines(QIODevice& device, const QStringList& lines)
{
    const QByteArray content = joinTextLines(lines);
    return device.write(content) == content.size();
}

QStringView trimmedIniText(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isIniBlank(text[begin]))
        ++begin;
    while (end > begin && isIniBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

std::optional<QStringView> iniSectionName(QStringView line)
{
    const QStringView trimmed = trimmedIniText(line);
    if (trimmed.size() < 3 || trimmed.front() != u'[' || trimmed.back() != u']')
        return std::nullopt;
    return trimmedIniText(trimmed.sliced(1, trimmed.size() - 2));
}

std::optional<IniKeyLine> iniKeyLine(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    IniKeyLine keyLine{trimmedIniText(line.first(equals)), trimmedIniText(line.sliced(equals + 1))};
    QStringView& value = keyLine.value;
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        value = value.sliced(1, value.size() - 2);
    return keyLine;
}

QString singleLineText(const QString& text)
{
    QString single = text;
    for (QChar& ch : single) {
        if (ch == u'\r' || ch == u'\n' || ch == u'\0')
            ch = u' ';
    }
    return single;
}

unsigned char hexPairValue(QStringView pair)
{
    if (!pair.isEmpty() && pair.front() == u'$')
        pair = pair.sliced(1);
    unsigned value = 0;
    for (QChar ch : pair) {
        const int digit = hexDigitValue(ch);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<unsigned char>(value);
}

QByteArray readHexBytes(QStringView text, int maxCount)
{
    const qsizetype count = std::min<qsizetype>(text.size() / 2, std::max(maxCount, 0));
    QByteArray bytes(count, Qt::Uninitialized);
    for (qsizetype i = 0; i < count; ++i)
        bytes[i] = static_cast<char>(hexPairValue(text.sliced(2 * i, 2)));
    return bytes;
}

QString hexText(QByteArrayView bytes)
{
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    QString text;
    text.reserve(2 * bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.append(QChar(kDigits[value >> 4]));
        text.append(QChar(kDigits[value & 0x0F]));
    }
    return text;
}

} // namespace tallyfox
