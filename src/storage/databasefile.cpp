#include "storage/databasefile.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "platform/textencoding.h"
#include "storage/textpool.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace tallyfox {

namespace {

constexpr QByteArrayView kItemTag = "item";

bool isAsciiSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

QByteArrayView trimAsciiSpace(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isAsciiSpace(bytes[begin]))
        ++begin;
    while (end > begin && isAsciiSpace(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin);
}

// One line of the file, cut into fields at its tabs.
class LineReader
{
public:
    LineReader(QByteArrayView line, LineEncoding encoding, TextPool& pool)
        : m_rest(line), m_encoding(encoding), m_pool(pool)
    {}

    // The text up to the next tab, or the rest of the line; empty once the line is used up.
    QByteArrayView nextField()
    {
        const qsizetype tab = m_rest.indexOf('\t');
        if (tab < 0) {
            const QByteArrayView field = m_rest;
            m_rest = {};
            return field;
        }
        const QByteArrayView field = m_rest.first(tab);
        m_rest = m_rest.sliced(tab + 1);
        return field;
    }

    QString trimmedText(QByteArrayView field) const
    {
        const QByteArrayView bytes = trimAsciiSpace(field);
        if (m_encoding == LineEncoding::Utf8)
            return m_pool.trimmedText(bytes);
        return decodeWindows1252(bytes).trimmed();
    }

    QString textOr(QByteArrayView field, const QString& fallback) const
    {
        return field.isEmpty() ? fallback : trimmedText(field);
    }

    // True exactly when the trimmed field, with A-Z in lower case, is "true".
    bool flag(QByteArrayView field) const
    {
        if (field == "true")
            return true;
        if (field.isEmpty() || field == "false")
            return false;
        const QString text = trimmedText(field);
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
    QByteArrayView m_rest;
    LineEncoding m_encoding;
    TextPool& m_pool;
};

double readAmount(QByteArrayView field)
{
    if (field.isEmpty())
        return 0.0;
    double amount = 0.0;
    const qsizetype comma = field.indexOf(',');
    if (comma < 0) {
        amount = ReadNumber(field);
    } else {
        QByteArray withPoint = field.toByteArray();
        withPoint[comma] = '.';
        amount = ReadNumber(QByteArrayView(withPoint));
    }
    return std::clamp(amount, -kLargestStoredAmount, kLargestStoredAmount);
}

bool isItemTag(QByteArrayView tag, LineEncoding encoding)
{
    if (tag == kItemTag)
        return true;
    // Rare: the tag with white space around it, possibly beyond ASCII.
    return decodeText(tag, encoding).trimmed() == u"item";
}

void readEntryLine(QByteArrayView line, TextPool& pool, expensearray& entries)
{
    const qsizetype firstTab = line.indexOf('\t');
    const QByteArrayView tag = firstTab < 0 ? line : line.first(firstTab);
    const LineEncoding encoding = detectLineEncoding(line);
    if (!isItemTag(tag, encoding))
        return;

    static const QString kUnknown = QStringLiteral("Unknown");
    static const QString kDefaultCurrency = QStringLiteral("US$");
    static const QString kDefaultReceipt = QStringLiteral("00");

    LineReader reader(firstTab < 0 ? QByteArrayView() : line.sliced(firstTab + 1), encoding, pool);
    TExpense& entry = entries.append();
    const QByteArrayView year = reader.nextField();
    const QByteArrayView month = reader.nextField();
    const QByteArrayView day = reader.nextField();
    entry.Currency = reader.textOr(reader.nextField(), kDefaultCurrency);
    entry.Amount = readAmount(reader.nextField());
    entry.Income = reader.flag(reader.nextField());
    entry.Type = reader.textOr(reader.nextField(), kUnknown);
    entry.IntendedSource = reader.textOr(reader.nextField(), kUnknown);
    entry.PaidWith = reader.textOr(reader.nextField(), kUnknown);
    entry.HasReceipt = reader.flag(reader.nextField());
    entry.Receipt = reader.textOr(reader.nextField(), kDefaultReceipt);
    entry.Note = reader.textOr(reader.nextField(), QString());
    entry.Date = dayCountFromDate(year.isEmpty() ? 2009 : ReadWholeNumber(year),
                                  month.isEmpty() ? 1 : ReadWholeNumber(month),
                                  day.isEmpty() ? 1 : ReadWholeNumber(day));
    entry.JustChanged = false;
    // Stray "item" lines would otherwise become blank entries; the slot is reused by the next one.
    if (entry.Amount == 0.0 && entry.Type == kUnknown)
        entries.dropLast();
}

void appendNumber(QByteArray& out, int value)
{
    char digits[12];
    int count = 0;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        out.append('-');
    while (count > 0)
        out.append(digits[--count]);
}

// A field never holds a tab or a line end, so no text can split a line's columns.
void appendTextField(QByteArray& out, const QString& text)
{
    const qsizetype start = out.size();
    appendUtf8(out, text);
    for (char* c = out.data() + start; c != out.data() + out.size(); ++c) {
        if (*c == '\t' || *c == '\r' || *c == '\n')
            *c = ' ';
    }
}

void appendFlag(QByteArray& out, bool value)
{
    out.append(value ? QByteArrayView("true") : QByteArrayView("false"));
}

void appendEntryLine(QByteArray& out, const TExpense& entry)
{
    out.append("item\t");
    const auto day = dateFromDayCount(entry.Date);
    if (day) {
        appendNumber(out, day->year);
        out.append('\t');
        appendNumber(out, day->month);
        out.append('\t');
        appendNumber(out, day->day);
    } else {
        // No calendar day: zeros read back as no date.
        out.append("0\t0\t0");
    }
    out.append('\t');
    appendTextField(out, entry.Currency);
    out.append('\t');
    appendAmountText(out, entry.Amount);
    out.append('\t');
    appendFlag(out, entry.Income);
    out.append('\t');
    appendTextField(out, entry.Type);
    out.append('\t');
    appendTextField(out, entry.IntendedSource);
    out.append('\t');
    appendTextField(out, entry.PaidWith);
    out.append('\t');
    appendFlag(out, entry.HasReceipt);
    out.append('\t');
    appendTextField(out, entry.Receipt);
    out.append('\t');
    appendTextField(out, entry.Note);
    out.append("\r\n");
}

} // namespace

void parseDatabase(QByteArrayView content, expensearray& entries)
{
    expensearray read;
    read.reserve(static_cast<int>(
        std::min<qsizetype>(std::count(content.begin(), content.end(), '\n') + 1, content.size() / 8 + 1)));
    TextPool pool;
    const char* const end = content.data() + content.size();
    const char* lineStart = content.data();
    while (lineStart < end) {
        const char* lineEnd = lineStart;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        readEntryLine(QByteArrayView(lineStart, lineEnd - lineStart), pool, read);
        // A line ends at CR LF, a lone CR or a lone LF.
        lineStart = lineEnd < end ? lineEnd + 1 : end;
        if (lineEnd < end && *lineEnd == '\r' && lineStart < end && *lineStart == '\n')
            ++lineStart;
    }
    entries.swap(read);
}

bool writeDatabaseContent(QIODevice& device, const expensearray& entries, int count)
{
    constexpr qsizetype kChunk = 1 << 20;
    QByteArray buffer;
    buffer.reserve(kChunk + 4096);
    buffer.append(kDatabaseHeader);
    buffer.append("\r\n");
    for (int i = 0; i < count; ++i) {
        appendEntryLine(buffer, entries[i]);
        if (buffer.size() >= kChunk) {
            if (device.write(buffer) != buffer.size())
                return false;
            buffer.resize(0);
        }
    }
    return device.write(buffer) == buffer.size();
}

FileResult ReadDatabase(AppState& state)
{
    const FileContent content = readWholeFile(state.DatabasePath);
    if (!content.result.ok())
        return content.result;
    parseDatabase(content.bytes, state.Entries);
    return {};
}

FileResult WriteDatabase(const AppState& state)
{
    if (state.KeepFileIfEmpty && state.EntryCount() == 0)
        return {};
    return writeFileAtomically(state.DatabasePath, [&state](QIODevice& device) {
        return writeDatabaseContent(device, state.Entries, state.EntryCount());
    });
}

} // namespace tallyfox
