// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tallyfox {

// Files are UTF-8. A line that is not valid UTF-8 was written by an older handheld in its ANSI code page,
// so it is read as Windows-1252 and keeps its accents.
enum class LineEncoding
{
    Utf8,
    Windows1252,
};

[[nodiscard]] LineEncoding detectLineEncoding(QByteArrayView line);
[[nodiscard]] QString decodeText(QByteArrayView bytes, LineEncoding encoding);
[[nodiscard]] QString decodeWindows1252(QByteArrayView bytes);
// Decodes a whole text whose encoding is not known: UTF-8 when it is valid, else Windows-1252.
[[nodiscard]] QString decodeLenient(QByteArrayView bytes);
// Decodes UTF-16 little-endian text. A surrogate without its partner names no character and could not be
// written back as UTF-8, so it becomes U+FFFD, as broken UTF-8 does.
[[nodiscard]] QString decodeUtf16Le(QByteArrayView bytes);

// Inside a field of a tab-separated line, tabs and line ends become spaces, so that a text can split
// neither the line's columns nor the line.
[[nodiscard]] constexpr char16_t fieldChar(char16_t c)
{
    return c == u'\t' || c == u'\r' || c == u'\n' ? u' ' : c;
}
// The text as a field holds it.
[[nodiscard]] QString fieldText(QString text);

// UTF-8 takes at most this many bytes per UTF-16 unit.
inline constexpr qsizetype kMaxUtf8BytesPerUnit = 3;

// Writes text as UTF-8 for a field of a tab-separated line (see fieldChar) from out on, which has room
// for kMaxUtf8BytesPerUnit bytes per unit, and returns where it ended. A broken surrogate pair becomes
// "?", as QString::toUtf8 writes it.
char* putUtf8Field(char* out, QStringView text);
// The same, the text as it is.
char* putUtf8(char* out, QStringView text);

// Appends text as UTF-8.
void appendUtf8(QByteArray& out, QStringView text);
// Appends text as UTF-8 for a field of a tab-separated line (see fieldChar).
void appendUtf8Field(QByteArray& out, QStringView text);

} // namespace tallyfox
