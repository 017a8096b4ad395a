// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tallyfox {

// How the bytes of a text file that a bank or a spreadsheet wrote were read.
enum class TextFileEncoding
{
    Utf8,
    Utf8WithBom,
    Utf16WithBom,
    Windows1252,
};

struct DecodedText
{
    QString text;
    TextFileEncoding encoding = TextFileEncoding::Utf8;
};

// UTF-8 with or without its byte-order mark, UTF-16 after its byte-order mark, else Windows-1252 when
// the bytes are not valid UTF-8. The byte-order mark is not part of the text.
[[nodiscard]] DecodedText decodeTextFile(QByteArrayView bytes);

// One record of a delimited table: its fields and the line of the file it starts on (1 is the first).
struct DelimitedRecord
{
    QStringList fields;
    qsizetype line = 0;
};

// The delimiters a table may use.
inline constexpr char16_t kDelimiterCandidates[] = {u'\t', u';', u','};

// The delimiter of a table: of tab, ";" and ",", the one that splits most of the first lines into the
// same number of fields (more than one); "," when none does.
[[nodiscard]] QChar detectDelimiter(QStringView text);

// Reads delimited text as RFC 4180 writes it: a field in double quotes may hold the delimiter, line
// breaks and doubled quotes; other fields are taken as they are. Lines end at CR LF, LF or CR; empty
// lines give no record. A quote that is never closed runs to the end of the text. Never fails.
[[nodiscard]] QList<DelimitedRecord> parseDelimited(QStringView text, QChar delimiter);

} // namespace tallyfox
