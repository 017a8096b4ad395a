// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registryformat.h"
#include "platform/textencoding.h"

#include <optional>
#include <utility>

namespace tallyfox {

namespace {

QStringList splitRegistryLines(QByteArrayView bytes)
{
    QStringList lines;
    if (bytes.startsWith("\xFF\xFE")) {
        const QString text = decodeUtf16Le(bytes.sliced(2));
        for (QStringView line : QStringView(text).split(u'\n')) {
            if (line.endsWith(u'\r'))
                line.chop(1);
            lines.append(line.toString());
        }
        return lines;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(decodeLenient(line));
        start = end + 1;
    }
    return lines;
}

bool isRegistryHeader(const QString& line)
{
    return line == u"Windows Registry Editor Version 5.00" || line == u"REGEDIT4";
}

// "[HKEY_...\Path]" gives the path; a trailing "\" is dropped.
std::optional<QString> registrySectionPath(const QString& line)
{
    if (!line.endsWith(u']'))
        return std::nullopt;
    QString path = line.mid(1, line.size() - 2);
    while (path.endsWith(u'\\'))
        path.chop(1);
    if (!path.startsWith(u"HKEY_", Qt::CaseInsensitive))
        return std::nullopt;
    return path;
}

// Reads a quoted text starting at pos, which is moved past the closing quote. A backslash escapes a
// backslash or a quote; before any other character it stands for itself.
std::optional<QString> readRegistryQuoted(QStringView line, qsizetype& pos)
{
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString text;
    for (qsizetype i = pos + 1; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (ch == u'"') {
            pos = i + 1;
            return text;
        }
        if (ch == u'\\' && i + 1 < line.size() && (line[i + 1] == u'\\' || line[i + 1] == u'"'))
            ++i;
        text.append(line[i]);
    }
    return std::nullopt;
}

void skipRegistryBlanks(QStringView line, qsizetype& pos)
{
    while (pos < line.size() && (line[pos] == u' ' || line[pos] == u'\t'))
        ++pos;
}

bool isRegistryHexDigits(QStringView digits, qsizetype maxLength)
{
    if (digits.isEmpty() || digits.size() > maxLength)
        return false;
    for (QChar ch : digits) {
        const char16_t c = ch.unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

// The type number of "hex:" (binary, 3) or "hex(n):", and the length of the tag; nullopt when the data
// is not in hex form.
std::optional<std::pair<uint, qsizetype>> registryHexTag(QStringView data)
{
    if (!data.startsWith(u"hex", Qt::CaseInsensitive))
        return std::nullopt;
    if (data.sliced(3).startsWith(u':'))
        return std::pair<uint, qsizetype>(3, 4);
    if (!data.sliced(3).startsWith(u'('))
        return std::nullopt;
    const qsizetype close = data.indexOf(u"):");
    if (close < 0 || !isRegistryHexDigits(data.sliced(4, close - 4), 8))
        return std::nullopt;
    return std::pair<uint, qsizetype>(data.sliced(4, close - 4).toUInt(nullptr, 16), close + 2);
}

std::optional<QByteArray> registryHexBytes(QStringView list)
{
    QByteArray bytes;
    if (list.trimmed().isEmpty())
        return bytes;
    for (QStringView item : list.split(u',')) {
        item = item.trimmed();
        if (!isRegistryHexDigits(item, 2))
            return std::nullopt;
        bytes.append(static_cast<char>(item.toUInt(nullptr, 16)));
    }
    return bytes;
}

// Hex data of a text (type 1) or a 4-byte number (type 4) reads as that kind; any other hex data is
// kept as it is.
RegistryValue registryHexValue(const QString& data, uint type, qsizetype tagLength)
{
    const std::optional<QByteArray> bytes = registryHexBytes(QStringView(data).sliced(tagLength));
    if (bytes && type == 4 && bytes->size() == 4) {
        const auto* b = reinterpret_cast<const uchar*>(bytes->constData());
        return RegistryValue::fromNumber(quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 |
                                         quint32(b[3]) << 24);
    }
    if (bytes && type == 1 && bytes->size() % 2 == 0) {
        QString text;
        for (qsizetype i = 0; i + 1 < bytes->size(); i += 2)
            text.append(QChar(char16_t(uchar(bytes->at(i)) | uchar(bytes->at(i + 1)) << 8)));
        if (text.endsWith(QChar(0)))
            text.chop(1);
        return RegistryValue::fromText(text);
    }
    return RegistryValue::fromData(data);
}

class RegistryParser
{
public:
    explicit RegistryParser(QStringList lines) : m_lines(std::move(lines)) {}

    ParsedRegistry parse()
    {
        for (m_next = 0; m_next < m_lines.size();) {
            const QString line = m_lines[m_next++].trimmed();
            if (!line.isEmpty())
                readLine(line);
        }
        m_result.recognised = m_readLines > 0 || m_result.skippedLines == 0;
        return std::move(m_result);
    }

private:
    void readLine(const QString& line)
    {
        if (line.startsWith(u';')) {
            if (m_key)
                m_key->addComment(line);
            else if (!m_sectionSeen)
                m_result.content.addLeadingComment(line);
            return;
        }
        if (!m_sectionSeen && isRegistryHeader(line)) {
            ++m_readLines;
            return;
        }
        if (line.startsWith(u'[')) {
            m_sectionSeen = true;
            const std::optional<QString> path = registrySectionPath(line);
            m_key = path ? &m_result.content.addKey(*path) : nullptr;
            *(path ? &m_readLines : &m_result.skippedLines) += 1;
            return;
        }
        if (m_key && readValue(line)) {
            ++m_readLines;
            return;
        }
        ++m_result.skippedLines;
    }

    bool readValue(const QString& line)
    {
        qsizetype pos = 0;
        QString name;
        if (line.startsWith(u'@')) {
            pos = 1;
        } else {
            std::optional<QString> quoted = readRegistryQuoted(line, pos);
            if (!quoted)
                return false;
            name = std::move(*quoted);
        }
        skipRegistryBlanks(line, pos);
        if (pos >= line.size() || line[pos] != u'=')
            return false;
        ++pos;
        skipRegistryBlanks(line, pos);
        const std::optional<RegistryValue> value = readData(line.mid(pos));
        if (value)
            m_key->set(name, *value);
        return value.has_value();
    }

    std::optional<RegistryValue> readData(QString data)
    {
        if (data.startsWith(u'"')) {
            qsizetype pos = 0;
            std::optional<QString> text = readRegistryQuoted(data, pos);
            if (!text || pos != data.size())
                return std::nullopt;
            return RegistryValue::fromText(*text);
        }
        if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
            const QStringView digits = QStringView(data).sliced(6).trimmed();
            if (!isRegistryHexDigits(digits, 8))
                return std::nullopt;
            return RegistryValue::fromNumber(digits.toUInt(nullptr, 16));
        }
        const auto tag = registryHexTag(data);
        if (!tag)
            return std::nullopt;
        // Long hex data goes on over lines that end in "\". Trimming and chopping in place keeps a value
        // of many lines linear.
        for (data = std::move(data).trimmed(); data.endsWith(u'\\'); data = std::move(data).trimmed()) {
            data.chop(1);
            if (m_next < m_lines.size())
                data += QStringView(m_lines[m_next++]).trimmed();
        }
        return registryHexValue(data, tag->first, tag->second);
    }

    QStringList m_lines;
    qsizetype m_next = 0;
    ParsedRegistry m_result;
    RegistryKeyContent* m_key = nullptr;
    bool m_sectionSeen = false;
    int m_readLines = 0;
};

} // namespace

ParsedRegistry parseRegistryFile(QByteArrayView bytes)
{
    return RegistryParser(splitRegistryLines(bytes)).parse();
}

} // namespace tallyfox
