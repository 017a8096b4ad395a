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

// Appends text as UTF-8; ASCII text takes a fast path without a temporary.
void appendUtf8(QByteArray& out, QStringView text);
// Appends text as one field of a tab-separated line: tabs and line ends inside it become spaces, so it
// can split neither the line's columns nor the line.
void appendUtf8Field(QByteArray& out, QStringView text);

} // namespace tallyfox
