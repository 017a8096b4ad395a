// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/delimitedtext.h"

#include "platform/textencoding.h"

#include <algorithm>
#include <map>

namespace tallyfox {

namespace {

// The first lines that the delimiter is guessed from.
constexpr qsizetype kSampleRecords = 30;

bool startsWith(QByteArrayView bytes, QByteArrayView prefix)
{
    return bytes.size() >= prefix.size() && bytes.first(prefix.size()) == prefix;
}

} // namespace

DecodedText decodeTextFile(QByteArrayView bytes)
{
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return {QString::fromUtf8(bytes.sliced(3)), TextFileEncoding::Utf8WithBom};
    if (startsWith(bytes, "\xFF\xFE"))
        return {decodeUtf16Le(bytes.sliced(2)), TextFileEncoding::Utf16WithBom};
    if (startsWith(bytes, "\xFE\xFF")) {
        // Big-endian: the bytes of each unit swapped make it little-endian.
        QByteArray swapped(bytes.sliced(2).toByteArray());
        for (qsizetype i = 0; i + 1 < swapped.size(); i += 2)
            std::swap(swapped[i], swapped[i + 1]);
        return {decodeUtf16Le(swapped), TextFileEncoding::Utf16WithBom};
    }
    if (bytes.isValidUtf8())
        return {QString::fromUtf8(bytes), TextFileEncoding::Utf8};
    return {decodeWindows1252(bytes), TextFileEncoding::Windows1252};
}

QList<DelimitedRecord> parseDelimited(QStringView text, QChar delimiter)
{
    QList<DelimitedRecord> records;
    const qsizetype size = text.size();
    const char16_t* const units = text.utf16();
    const char16_t separator = delimiter.unicode();
    qsizetype i = 0;
    qsizetype line = 1;
    DelimitedRecord record;
    QString field;
    bool recordHasContent = false;
    // Records mostly have as many fields as the one before.
    qsizetype lastWidth = 0;
    const auto endField = [&] {
        if (record.fields.isEmpty())
            record.fields.reserve(lastWidth);
        record.fields.append(std::move(field));
        field = QString();
    };
    const auto endRecord = [&] {
        endField();
        lastWidth = record.fields.size();
        // A line with nothing on it is no record; one with only delimiters is.
        if (recordHasContent || record.fields.size() > 1)
            records.append(std::move(record));
        record = DelimitedRecord();
        recordHasContent = false;
    };
    record.line = line;
    while (i < size) {
        const char16_t c = units[i];
        if (c == u'"' && field.isEmpty()) {
            // A quoted field: up to the quote that is not doubled.
            recordHasContent = true;
            ++i;
            while (i < size) {
                const char16_t q = units[i];
                if (q == u'"') {
                    if (i + 1 < size && units[i + 1] == u'"') {
                        field.append(u'"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (q == u'\n' || (q == u'\r' && (i + 1 >= size || units[i + 1] != u'\n')))
                    ++line;
                field.append(QChar(q));
                ++i;
            }
            // Whatever follows the closing quote up to the delimiter belongs to the field.
            continue;
        }
        if (c == separator) {
            endField();
            recordHasContent = true;
            ++i;
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            i += (c == u'\r' && i + 1 < size && units[i + 1] == u'\n') ? 2 : 1;
            endRecord();
            ++line;
            record.line = line;
            continue;
        }
        // A run of plain characters goes in at once.
        qsizetype end = i + 1;
        while (end < size && units[end] != separator && units[end] != u'\r' && units[end] != u'\n' &&
               units[end] != u'"')
            ++end;
        field.append(QStringView(units + i, end - i));
        recordHasContent = true;
        i = end;
    }
    if (recordHasContent || !field.isEmpty())
        endRecord();
    return records;
}

QChar detectDelimiter(QStringView text)
{
    // Only the beginning is looked at: enough lines to tell, and never the whole of a large file.
    qsizetype end = 0;
    for (qsizetype lines = 0; end < text.size() && lines < kSampleRecords; ++end) {
        if (text[end] == u'\n')
            ++lines;
    }
    const QStringView sample = text.first(end);
    QChar best = u',';
    qsizetype bestScore = 0;
    for (const char16_t candidate : kDelimiterCandidates) {
        const QList<DelimitedRecord> records = parseDelimited(sample, QChar(candidate));
        std::map<qsizetype, qsizetype> counts;
        for (const DelimitedRecord& record : records) {
            if (record.fields.size() > 1)
                ++counts[record.fields.size()];
        }
        // The most lines of one field count; of two delimiters that split as many, the one giving more
        // fields.
        qsizetype score = 0;
        for (const auto& [fields, lines] : counts)
            score = std::max(score, lines * 1000 + std::min<qsizetype>(fields, 999));
        if (score > bestScore) {
            best = QChar(candidate);
            bestScore = score;
        }
    }
    return best;
}

} // namespace tallyfox
