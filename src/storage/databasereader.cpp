// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/databasereader.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "platform/textencoding.h"
#include "storage/databasefile.h"
#include "storage/databaseline.h"
#include "storage/textpool.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <limits>

namespace tallyfox {

namespace {

bool isDatabaseSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

QByteArrayView trimDatabaseSpace(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isDatabaseSpace(bytes[begin]))
        ++begin;
    while (end > begin && isDatabaseSpace(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin);
}

// Whether the bytes are the literal text, compared inline.
template <size_t N> bool isDatabaseWord(QByteArrayView bytes, const char (&word)[N])
{
    return bytes.size() == N - 1 && std::memcmp(bytes.data(), word, N - 1) == 0;
}

// Turns the fields of one line into texts: shared through the pools when the line is UTF-8, else read
// as Windows-1252.
class DatabaseFieldReader
{
public:
    DatabaseFieldReader(LineEncoding encoding, TextPool& commonTexts, TextPool& rareTexts)
        : m_encoding(encoding), m_commonTexts(commonTexts), m_rareTexts(rareTexts)
    {}

    [[nodiscard]] LineEncoding encoding() const { return m_encoding; }

    StoredText textOr(QByteArrayView field, StoredText fallback) const
    {
        return field.isEmpty() ? fallback : trimmedText(field, m_commonTexts);
    }

    // For notes and receipt numbers, which seldom repeat.
    StoredText rareTextOr(QByteArrayView field, StoredText fallback) const
    {
        return field.isEmpty() ? fallback : trimmedText(field, m_rareTexts);
    }

    // True exactly when the trimmed field, with A-Z in lower case, is "true".
    bool flag(QByteArrayView field) const
    {
        if (isDatabaseWord(field, "true"))
            return true;
        if (field.isEmpty() || isDatabaseWord(field, "false"))
            return false;
        const QStringView text = trimmedText(field, m_commonTexts).view();
        if (text.size() != 4)
            return false;
        for (qsizetype i = 0; i < 4; ++i) {
            const char16_t c = text[i].unicode();
            const char16_t lower = (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
            if (lower != u"true"[i])
                return false;
        }
        return true;
    }

private:
    StoredText trimmedText(QByteArrayView field, TextPool& pool) const
    {
        const QByteArrayView bytes = trimDatabaseSpace(field);
        if (m_encoding == LineEncoding::Utf8)
            return pool.trimmedText(bytes);
        return decodeWindows1252(bytes).trimmed();
    }

    LineEncoding m_encoding;
    TextPool& m_commonTexts;
    TextPool& m_rareTexts;
};

double readDatabaseAmount(QByteArrayView field)
{
    if (field.isEmpty())
        return 0.0;
    double amount = 0.0;
    const qsizetype comma = field.indexOf(',');
    if (comma < 0) {
        amount = readNumber(field);
    } else {
        QByteArray withPoint = field.toByteArray();
        withPoint[comma] = '.';
        amount = readNumber(QByteArrayView(withPoint));
    }
    return std::clamp(amount, -kLargestStoredAmount, kLargestStoredAmount);
}

int wholeNumberOr(QByteArrayView field, int fallback)
{
    return field.isEmpty() ? fallback : readWholeNumber(field);
}

bool isDatabaseItemTag(QByteArrayView tag, LineEncoding encoding)
{
    if (isDatabaseWord(tag, "item"))
        return true;
    // Rare: the tag with white space around it, possibly beyond ASCII.
    return decodeText(tag, encoding).trimmed() == u"item";
}

} // namespace

// The texts of the lines read so far, for the lines still to come.
struct DatabaseReader::Caches
{
    // Types, currencies, sources and payment methods come from short lists; of the notes and receipt
    // numbers, few repeat.
    TextPool commonTexts{4096, TextPool::Sharing::Shared};
    TextPool rareTexts{1024, TextPool::Sharing::Unshared};
    FieldRunPool typeSourceMethod;
};

namespace {

// Counts a line that is no entry line: the header, an empty line, or one that a save would drop.
void countOtherLine(const DatabaseLine& line, DatabaseReadSummary& summary)
{
    const QByteArrayView text = trimDatabaseSpace(line.text);
    if (text.isEmpty())
        return;
    if (text == trimDatabaseSpace(kDatabaseHeader))
        summary.headerSeen = true;
    else
        ++summary.otherLines;
}

// The type, intended source and payment method, which lie side by side and mostly come in the same few
// combinations, found at once by their bytes together (read the same in either encoding only when
// they are ASCII, so the encoding is part of the key).
void readTypeSourceMethod(const DatabaseLine& line, const DatabaseFieldReader& reader, FieldRunPool& runs,
                          StoredText unknown, Expense& entry)
{
    using enum DatabaseField;
    const QByteArrayView type = line.field(Type);
    const QByteArrayView paidWith = line.field(PaidWith);
    const auto readEach = [&] {
        return FieldRunPool::Texts{reader.textOr(type, unknown),
                                   reader.textOr(line.field(IntendedSource), unknown),
                                   reader.textOr(paidWith, unknown)};
    };
    FieldRunPool::Texts texts;
    if (type.data() == nullptr || paidWith.data() == nullptr) {
        texts = readEach();
    } else {
        const QByteArrayView run(type.data(), paidWith.data() + paidWith.size() - type.data());
        const quint32 hash =
            ByteKeys::hashOf(run) ^ (reader.encoding() == LineEncoding::Utf8 ? 0U : 0x5bd1e995U);
        if (const FieldRunPool::Texts* known = runs.find(run, hash)) {
            texts = *known;
        } else {
            texts = readEach();
            runs.insert(run, hash, texts);
        }
    }
    entry.type = texts[0];
    entry.intendedSource = texts[1];
    entry.paidWith = texts[2];
}

// Reads an entry line into a new entry at the end of the entries. True when the line is one that a write
// would make the same way in form: UTF-8, all thirteen fields and no more.
bool readDatabaseEntry(const DatabaseLine& line, DatabaseReader::Caches& caches, ExpenseArray& entries,
                       DatabaseReadSummary& summary, bool keepNotes)
{
    using enum DatabaseField;
    const LineEncoding encoding = line.ascii ? LineEncoding::Utf8 : detectLineEncoding(line.text);
    if (!isDatabaseItemTag(line.field(Tag), encoding)) {
        countOtherLine(line, summary);
        return false;
    }
    ++summary.entryLines;

    static const StoredText kUnknown(u"Unknown");
    static const StoredText kDefaultCurrency(u"US$");
    static const StoredText kDefaultReceipt(u"00");

    const DatabaseFieldReader reader(encoding, caches.commonTexts, caches.rareTexts);
    Expense& entry = entries.append();
    entry.currency = reader.textOr(line.field(Currency), kDefaultCurrency);
    entry.amount = readDatabaseAmount(line.field(Amount));
    entry.income = reader.flag(line.field(Income));
    readTypeSourceMethod(line, reader, caches.typeSourceMethod, kUnknown, entry);
    entry.hasReceipt = reader.flag(line.field(HasReceipt));
    entry.receipt = keepNotes ? reader.rareTextOr(line.field(Receipt), kDefaultReceipt) : kDefaultReceipt;
    entry.note = keepNotes ? reader.rareTextOr(line.field(Note), {}) : StoredText();
    entry.date = dayCountFromDate(wholeNumberOr(line.field(Year), 2009), wholeNumberOr(line.field(Month), 1),
                                  wholeNumberOr(line.field(Day), 1));
    entry.justChanged = false;
    entry.storedLine = 0;
    // Stray "item" lines would otherwise become blank entries; the slot is reused by the next one. An
    // amount that is stored as 0.00 counts as none, or the entry would vanish only when next read.
    if (entry.type == kUnknown && (entry.amount == 0.0 || amountText(entry.amount) == u"0.00")) {
        entries.dropLast();
        return false;
    }
    const QByteArrayView note = line.field(Note);
    return encoding == LineEncoding::Utf8 && note.data() != nullptr &&
           note.data() + note.size() == line.text.data() + line.text.size();
}

} // namespace

namespace {

// Entries handed to a sink at once: few enough to stay in the cache while they are summed.
constexpr int kSinkBatch = 2048;

} // namespace

DatabaseReader::DatabaseReader(DatabaseReadPurpose purpose, EntrySinks* sinks)
    : m_caches(std::make_unique<Caches>()), m_purpose(purpose), m_sinks(sinks),
      m_sink(sinks != nullptr ? &sinks->nextPart() : nullptr),
      m_lines(purpose == DatabaseReadPurpose::Change && sinks == nullptr ? std::make_unique<StoredLines>()
                                                                         : nullptr)
{}

std::unique_ptr<DatabaseReader> DatabaseReader::forLaterPart() const
{
    return std::make_unique<DatabaseReader>(m_purpose, m_sinks);
}

DatabaseReader::~DatabaseReader() = default;

void DatabaseReader::reserve(qsizetype lines)
{
    if (m_sink != nullptr)
        lines = std::min<qsizetype>(lines, kSinkBatch);
    m_entries.reserve(static_cast<int>(std::min<qsizetype>(lines, std::numeric_limits<int>::max())));
    if (m_lines != nullptr)
        m_lines->reserve(static_cast<size_t>(std::max<qsizetype>(lines, 0)));
}

void DatabaseReader::readLines(QByteArrayView content, qint64 offset)
{
    StoredLines* const lines = offset >= 0 ? m_lines.get() : nullptr;
    DatabaseLine line;
    // Totals need nothing after the receipt flag: the receipt number and the note are not even looked at.
    const bool keepNotes = m_purpose != DatabaseReadPurpose::Totals;
    const int wantedFields =
        keepNotes ? DatabaseLine::kFieldCount : static_cast<int>(DatabaseField::HasReceipt) + 1;
    const char* const end = content.data() + content.size();
    for (const char* lineStart = content.data(); lineStart < end;) {
        const char* const next = readDatabaseLine(lineStart, end, line, wantedFields);
        const bool sameForm = readDatabaseEntry(line, *m_caches, m_entries, m_summary, keepNotes);
        // The last line of a file may have no line end, which a write adds.
        if (sameForm && lines != nullptr && next - (line.text.data() + line.text.size()) == 2 &&
            next[-2] == '\r')
            lines->add(offset + (lineStart - content.data()), next - lineStart,
                       m_entries[m_entries.count() - 1]);
        lineStart = next;
        if (m_sink != nullptr && m_entries.count() == kSinkBatch)
            handOver();
    }
    if (m_sink != nullptr)
        handOver();
}

void DatabaseReader::handOver()
{
    if (m_entries.isEmpty())
        return;
    m_sink->take(std::span<const Expense>(std::as_const(m_entries).begin(), size_t(m_entries.count())));
    m_entries.clear();
}

} // namespace tallyfox
