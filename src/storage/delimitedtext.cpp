// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/delimitedtext.h"

#include "platform/textencoding.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <thread>

namespace tallyfox {

namespace {

// A file of at least this many bytes is decoded by two threads.
constexpr qsizetype kBytesForTwoThreads = 1 << 21;

// The first lines that the delimiter is guessed from.
constexpr qsizetype kSampleRecords = 30;

bool startsWith(QByteArrayView bytes, QByteArrayView prefix)
{
    return bytes.size() >= prefix.size() && bytes.first(prefix.size()) == prefix;
}

// Bytes of valid UTF-8 as text; a large file is decoded by two threads, one half each, cut at a line
// end (which no character's bytes hold).
QString decodeUtf8(QByteArrayView bytes)
{
    const qsizetype cut = bytes.size() < kBytesForTwoThreads ? -1 : bytes.indexOf('\n', bytes.size() / 2) + 1;
    if (cut <= 0)
        return QString::fromUtf8(bytes);
    // A character takes at least one byte: each half fits where its bytes begin.
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* const out = text.data();
    const auto decode = [](QChar* into, QByteArrayView part) {
        // A byte-order mark inside the text is a character, as QString::fromUtf8 keeps it.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return decoder.appendToBuffer(into, part);
    };
    QChar* laterEnd = nullptr;
    std::thread second([&] { laterEnd = decode(out + cut, bytes.sliced(cut)); });
    QChar* const firstEnd = decode(out, bytes.first(cut));
    second.join();
    const qsizetype laterSize = laterEnd - (out + cut);
    std::memmove(firstEnd, out + cut, size_t(laterSize) * sizeof(QChar));
    text.truncate((firstEnd - out) + laterSize);
    return text;
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
        return {decodeUtf8(bytes), TextFileEncoding::Utf8};
    return {decodeWindows1252(bytes), TextFileEncoding::Windows1252};
}

qsizetype DelimitedTable::fieldCount(qsizetype record) const
{
    const size_t next = size_t(record) + 1;
    const qsizetype end =
        next < m_records.size() ? m_records[next].firstField : qsizetype(m_fieldEnds.size());
    return end - m_records[size_t(record)].firstField;
}

QStringView DelimitedTable::field(qsizetype record, qsizetype column) const
{
    if (column < 0 || column >= fieldCount(record))
        return {};
    const qsizetype index = m_records[size_t(record)].firstField + column;
    const qsizetype start = index == 0 ? 0 : m_fieldEnds[size_t(index) - 1];
    return QStringView(m_characters).sliced(start, m_fieldEnds[size_t(index)] - start);
}

QStringList DelimitedTable::fields(qsizetype record) const
{
    QStringList fields;
    const qsizetype count = fieldCount(record);
    fields.reserve(count);
    for (qsizetype column = 0; column < count; ++column)
        fields.append(field(record, column).toString());
    return fields;
}

namespace {

// A text of at least this many characters is read by two threads, one half each.
constexpr qsizetype kCharactersForTwoThreads = 1 << 20;

// Reads delimited text from a place on, writing the fields' characters to out (which may be the text
// itself: a field never takes more characters than it was read from, so what is written never
// overtakes what is still to be read). It may stop anywhere and go on later, inside quotes as well.
class DelimitedParser
{
public:
    DelimitedParser(const char16_t* units, qsizetype size, qsizetype begin, char16_t separator, char16_t* out,
                    std::vector<qsizetype>& fieldEnds, std::vector<DelimitedRecordPlace>& records)
        : m_units(units), m_size(size), m_separator(separator), m_out(out), m_fieldEnds(fieldEnds),
          m_records(records), m_i(begin)
    {}

    // Reads up to end (or a little past it, where a line end or a doubled quote straddles it).
    void run(qsizetype end)
    {
        while (m_i < end) {
            if (m_inQuotes) {
                readQuoted(end);
                continue;
            }
            m_atRecordStart = false;
            const char16_t c = m_units[m_i];
            if (c == u'"' && m_written == m_fieldStart) {
                // A quoted field: up to the quote that is not doubled.
                m_recordHasContent = true;
                m_inQuotes = true;
                ++m_i;
                continue;
            }
            if (c == m_separator) {
                endField();
                m_recordHasContent = true;
                ++m_i;
                continue;
            }
            if (c == u'\r' || c == u'\n') {
                m_i += (c == u'\r' && m_i + 1 < m_size && m_units[m_i + 1] == u'\n') ? 2 : 1;
                endRecord();
                ++m_line;
                m_record.line = m_line;
                m_atRecordStart = true;
                continue;
            }
            // A run of plain characters is kept at once.
            qsizetype runEnd = m_i + 1;
            while (runEnd < end && m_units[runEnd] != m_separator && m_units[runEnd] != u'\r' &&
                   m_units[runEnd] != u'\n' && m_units[runEnd] != u'"')
                ++runEnd;
            keep(m_i, runEnd);
            m_recordHasContent = true;
            m_i = runEnd;
        }
    }

    // The end of the text: the record read so far, if it holds anything.
    void finish()
    {
        if (m_recordHasContent || m_written != m_fieldStart)
            endRecord();
    }

    // Whether it stopped at end exactly, where a record begins.
    [[nodiscard]] bool stoppedAtRecordStart(qsizetype end) const { return m_atRecordStart && m_i == end; }
    [[nodiscard]] qsizetype written() const { return m_written; }
    // The line the next record starts on, counted from 1 where reading began.
    [[nodiscard]] qsizetype line() const { return m_line; }

private:
    void keep(qsizetype from, qsizetype to)
    {
        // In place, the characters stay where they are until a quote has been left out before them.
        if (m_out == m_units) {
            if (m_written != from)
                std::memmove(m_out + m_written, m_units + from, size_t(to - from) * sizeof(char16_t));
        } else {
            std::memcpy(m_out + m_written, m_units + from, size_t(to - from) * sizeof(char16_t));
        }
        m_written += to - from;
    }
    void readQuoted(qsizetype end)
    {
        while (m_i < end) {
            qsizetype runEnd = m_i;
            while (runEnd < end && m_units[runEnd] != u'"' && m_units[runEnd] != u'\n' &&
                   m_units[runEnd] != u'\r')
                ++runEnd;
            keep(m_i, runEnd);
            m_i = runEnd;
            if (m_i >= end)
                return;
            const char16_t q = m_units[m_i];
            if (q == u'"') {
                if (m_i + 1 < m_size && m_units[m_i + 1] == u'"') {
                    m_out[m_written++] = u'"';
                    m_i += 2;
                    continue;
                }
                ++m_i;
                // Whatever follows the closing quote up to the delimiter belongs to the field.
                m_inQuotes = false;
                return;
            }
            if (q == u'\n' || (q == u'\r' && (m_i + 1 >= m_size || m_units[m_i + 1] != u'\n')))
                ++m_line;
            m_out[m_written++] = q;
            ++m_i;
        }
    }
    void endField()
    {
        m_fieldEnds.push_back(m_written);
        m_fieldStart = m_written;
    }
    void endRecord()
    {
        endField();
        // A line with nothing on it is no record; one with only delimiters is.
        if (m_recordHasContent || qsizetype(m_fieldEnds.size()) - m_record.firstField > 1)
            m_records.push_back(m_record);
        else
            m_fieldEnds.resize(size_t(m_record.firstField));
        m_record.firstField = qsizetype(m_fieldEnds.size());
        m_recordHasContent = false;
    }

    const char16_t* const m_units;
    const qsizetype m_size;
    const char16_t m_separator;
    char16_t* const m_out;
    std::vector<qsizetype>& m_fieldEnds;
    std::vector<DelimitedRecordPlace>& m_records;
    qsizetype m_i = 0;
    qsizetype m_written = 0;
    qsizetype m_line = 1;
    DelimitedRecordPlace m_record{0, 1};
    qsizetype m_fieldStart = 0;
    bool m_recordHasContent = false;
    bool m_inQuotes = false;
    bool m_atRecordStart = true;
};

// Room for as many fields as the beginning of the text has delimiters for its length, and some more:
// a large table is then read without moving the list of fields as it grows.
size_t expectedFields(const char16_t* units, qsizetype size, char16_t separator)
{
    const qsizetype sample = std::min<qsizetype>(size, 64 * 1024);
    if (sample == 0)
        return 0;
    const auto delimiters = std::count(units, units + sample, separator);
    return size_t(std::min((delimiters + 1) * (size / sample) * 9 / 8 + 16, size + 1));
}

} // namespace

DelimitedTable parseDelimited(QString text, QChar delimiter)
{
    DelimitedTable table;
    const qsizetype size = text.size();
    char16_t* const units = reinterpret_cast<char16_t*>(text.data());
    const char16_t separator = delimiter.unicode();
    table.m_fieldEnds.reserve(expectedFields(units, size, separator));
    DelimitedParser first(units, size, 0, separator, units, table.m_fieldEnds, table.m_records);
    // A large text is cut after the first line end past its middle. The second half is read into a
    // buffer of its own at the same time, and joined when the first half ends there at a record's
    // start; when a quoted field runs across the cut, the first goes on alone and the second is dropped.
    const qsizetype lineEnd =
        size < kCharactersForTwoThreads ? -1 : QStringView(text).indexOf(u'\n', size / 2);
    if (lineEnd < 0 || lineEnd + 1 >= size) {
        first.run(size);
        first.finish();
    } else {
        const qsizetype cut = lineEnd + 1;
        std::vector<qsizetype> laterFieldEnds;
        std::vector<DelimitedRecordPlace> laterRecords;
        laterFieldEnds.reserve(expectedFields(units + cut, size - cut, separator));
        const auto laterCharacters = std::make_unique_for_overwrite<char16_t[]>(size_t(size - cut));
        DelimitedParser later(units, size, cut, separator, laterCharacters.get(), laterFieldEnds,
                              laterRecords);
        std::thread second([&later, size] {
            later.run(size);
            later.finish();
        });
        first.run(cut);
        second.join();
        if (first.stoppedAtRecordStart(cut)) {
            const qsizetype written = first.written();
            std::memcpy(units + written, laterCharacters.get(), size_t(later.written()) * sizeof(char16_t));
            const qsizetype fieldsBefore = qsizetype(table.m_fieldEnds.size());
            for (const qsizetype end : laterFieldEnds)
                table.m_fieldEnds.push_back(written + end);
            for (DelimitedRecordPlace record : laterRecords) {
                record.firstField += fieldsBefore;
                record.line += first.line() - 1;
                table.m_records.push_back(record);
            }
            text.truncate(written + later.written());
            table.m_characters = std::move(text);
            return table;
        }
        first.run(size);
        first.finish();
    }
    text.truncate(first.written());
    table.m_characters = std::move(text);
    return table;
}

DelimitedTable parseDelimited(QStringView text, QChar delimiter)
{
    return parseDelimited(text.toString(), delimiter);
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
        const DelimitedTable table = parseDelimited(sample, QChar(candidate));
        std::map<qsizetype, qsizetype> counts;
        for (qsizetype record = 0; record < table.recordCount(); ++record) {
            if (table.fieldCount(record) > 1)
                ++counts[table.fieldCount(record)];
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
