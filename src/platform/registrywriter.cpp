// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registryformat.h"
#include "platform/textencoding.h"

namespace tallyfox {

namespace {

constexpr char kRegistryLineEnd[] = "\r\n";

// Names, paths and comments come from the file or from the program and hold no line break; should one
// get there, it becomes a space rather than break the file apart.
void appendRegistryLineText(QByteArray& out, const QString& text)
{
    if (text.contains(u'\n'))
        appendUtf8(out, QString(text).replace(u'\n', u' '));
    else
        appendUtf8(out, text);
}

void appendRegistryQuoted(QByteArray& out, const QString& text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped.append(u'"');
    for (QChar ch : text) {
        if (ch == u'\\' || ch == u'"')
            escaped.append(u'\\');
        escaped.append(ch);
    }
    escaped.append(u'"');
    appendRegistryLineText(out, escaped);
}

// A quoted line holds any text but control characters (a tab aside) and halves of surrogate pairs,
// which UTF-8 cannot carry.
bool fitsRegistryQuoted(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.unicode() < 0x20 && ch != u'\t')
            return false;
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (ch.isSurrogate())
            return false;
    }
    return true;
}

void appendRegistryHexText(QByteArray& out, const QString& text)
{
    static constexpr char digits[] = "0123456789abcdef";
    out.append("hex(1):");
    auto appendByte = [&](uint byte) {
        out.append(digits[byte >> 4]);
        out.append(digits[byte & 0xF]);
    };
    for (QChar ch : text) {
        appendByte(ch.unicode() & 0xFF);
        out.append(',');
        appendByte(ch.unicode() >> 8);
        out.append(',');
    }
    out.append("00,00");
}

void appendRegistryValue(QByteArray& out, const RegistryLine& line)
{
    if (line.name.isEmpty())
        out.append('@');
    else
        appendRegistryQuoted(out, line.name);
    out.append('=');
    const RegistryValue& value = line.value;
    switch (value.kind) {
    case RegistryValueKind::Text:
        if (fitsRegistryQuoted(value.text))
            appendRegistryQuoted(out, value.text);
        else
            appendRegistryHexText(out, value.text);
        break;
    case RegistryValueKind::Number:
        out.append("dword:");
        out.append(QByteArray::number(value.number, 16).rightJustified(8, '0'));
        break;
    case RegistryValueKind::Other:
        appendRegistryLineText(out, value.data);
        break;
    }
}

} // namespace

QByteArray registryFileBytes(const RegistryContent& content)
{
    QByteArray out;
    out.append("Windows Registry Editor Version 5.00").append(kRegistryLineEnd).append(kRegistryLineEnd);
    for (const QString& comment : content.leadingComments()) {
        appendRegistryLineText(out, comment);
        out.append(kRegistryLineEnd);
    }
    if (!content.leadingComments().isEmpty())
        out.append(kRegistryLineEnd);
    for (const RegistryKeyContent& key : content.keys()) {
        out.append('[');
        appendRegistryLineText(out, key.path());
        out.append(']').append(kRegistryLineEnd);
        for (const RegistryLine& line : key.lines()) {
            if (line.isComment)
                appendRegistryLineText(out, line.name);
            else
                appendRegistryValue(out, line);
            out.append(kRegistryLineEnd);
        }
        out.append(kRegistryLineEnd);
    }
    return out;
}

bool writeRegistryFile(QIODevice& device, const RegistryContent& content)
{
    const QByteArray bytes = registryFileBytes(content);
    return device.write(bytes) == bytes.size();
}

} // namespace tallyfox
