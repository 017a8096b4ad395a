#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace tallyfox {

// The text rules of INI-style files, shared by the INI object and the plain text copies.

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

// Reads up to byteCount bytes from hex text, one per pair of characters, into buffer; the bytes beyond
// those read are left alone. Returns the number of bytes read.
int readHexBytes(QStringView text, unsigned char* buffer, int byteCount);

// Two upper-case hex digits per byte, in buffer order.
[[nodiscard]] QString hexText(const unsigned char* buffer, int byteCount);

} // namespace tallyfox
