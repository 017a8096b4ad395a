// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

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

// Where a record's fields begin among a table's fields, and the line of the file it starts on.
struct DelimitedRecordPlace
{
    qsizetype firstField = 0;
    qsizetype line = 0;
};

// A delimited table as read: the characters of every field in one buffer, so that a large file costs
// no string per field. Records are numbered from 0; each knows the line of the file it starts on.
class DelimitedTable
{
public:
    [[nodiscard]] qsizetype recordCount() const { return qsizetype(m_records.size()); }
    [[nodiscard]] bool isEmpty() const { return m_records.empty(); }
    [[nodiscard]] qsizetype fieldCount(qsizetype record) const;
    // The field's text; empty where the record has no such field (or the column is negative).
    [[nodiscard]] QStringView field(qsizetype record, qsizetype column) const;
    [[nodiscard]] QStringList fields(qsizetype record) const;
    // The line of the file the record starts on (1 is the first).
    [[nodiscard]] qsizetype line(qsizetype record) const { return m_records[size_t(record)].line; }

private:
    friend DelimitedTable parseDelimited(QString text, QChar delimiter);

    QString m_characters;
    // Where each field ends in the characters; it starts where the one before it ends.
    std::vector<qsizetype> m_fieldEnds;
    std::vector<DelimitedRecordPlace> m_records;
};

// The delimiters a table may use.
inline constexpr char16_t kDelimiterCandidates[] = {u'\t', u';', u','};

// The delimiter of a table: of tab, ";" and ",", the one that splits most of the first lines into the
// same number of fields (more than one); "," when none does.
[[nodiscard]] QChar detectDelimiter(QStringView text);

// Reads delimited text as RFC 4180 writes it: a field in double quotes may hold the delimiter, line
// breaks and doubled quotes; other fields are taken as they are. Lines end at CR LF, LF or CR; empty
// lines give no record. A quote that is never closed runs to the end of the text. Never fails.
[[nodiscard]] DelimitedTable parseDelimited(QStringView text, QChar delimiter);
// The same, reading the text in its own buffer, which the table keeps: no copy of a large file is made.
[[nodiscard]] DelimitedTable parseDelimited(QString text, QChar delimiter);

} // namespace tallyfox
