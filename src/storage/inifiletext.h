// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace tallyfox {

// The text rules of INI-style files, shared by the INI reader and writer and the plain text copies.

// Cuts file content into lines. CR LF, a lone CR and a lone LF each end a line; a line end at the very end
// starts no further line. NUL bytes are dropped, and UTF-8 byte order marks at the start are skipped. Each
// line is UTF-8, or Windows-1252 when it is not valid UTF-8.
[[nodiscard]] QStringList splitTextLines(QByteArrayView content);

// Writes every line, the last one included, as UTF-8 followed by CR LF. False when the device fails.
[[nodiscard]] bool writeTextLines(QIODevice& device, const QStringList& lines);
[[nodiscard]] QByteArray joinTextLines(const QStringList& lines);

// Removes every character whose code is 32 or less from both ends.
[[nodiscard]] QStringView trimmedIniText(QStringView text);

// The section name of a header line: "[", name, "]" once the line is trimmed, at least three characters.
[[nodiscard]] std::optional<QStringView> iniSectionName(QStringView line);

struct IniKeyLine
{
    QStringView key;
    QStringView value;
};

// The key and value of a line that holds "=": both trimmed, and a value in double quotes without them.
[[nodiscard]] std::optional<IniKeyLine> iniKeyLine(QStringView line);

// Text that goes into a line: CR, LF and NUL become spaces, so that no value can start a line of its own.
[[nodiscard]] QString singleLineText(const QString& text);

// One byte from a pair of characters: "$" first is skipped, and the first character that is not a hex digit
// ends the pair with what was read so far.
[[nodiscard]] unsigned char hexPairValue(QStringView pair);

// Up to maxCount bytes from hex text, one per whole pair of characters.
[[nodiscard]] QByteArray readHexBytes(QStringView text, int maxCount);

// Two upper-case hex digits per byte, in order.
[[nodiscard]] QString hexText(QByteArrayView bytes);

} // namespace tallyfox
