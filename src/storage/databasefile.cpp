#include "storage/databasefile.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "platform/textencoding.h"
#include "storage/databaseline.h"
#include "storage/databaselinewriter.h"
#include "storage/textpool.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

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

// Turns the fields of one line into texts: shared through the pools when the line is UTF-8, else read
// as Windows-1252.
class DatabaseFieldReader
{
public:
    DatabaseFieldReader(LineEncoding encoding, TextPool& commonTexts, TextPool& rareTexts)
        : m_encoding(encoding), m_commonTexts(commonTexts), m_rareTexts(rareTexts)
    {}

    QString textOr(QByteArrayView field, const QString& fallback) const
    {
        return field.isEmpty() ? fallback : trimmedText(field, m_commonTexts);
    }

    // For notes and receipt numbers, which seldom repeat.
    QString rareTextOr(QByteArrayView field, const QString& fallback) const
    {
        return field.isEmpty() ? fallback : trimmedText(field, m_rareTexts);
    }

    // True exactly when the trimmed field, with A-Z in lower case, is "true".
    bool flag(QByteArrayView field) const
    {
        if (field == "true")
            return true;
        if (field.isEmpty() || field == "false")
            return false;
        const QString text = trimmedText(field, m_commonTexts);
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
    QString trimmedText(QByteArrayView field, TextPool& pool) const
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
        amount = ReadNumber(field);
    } else {
        QByteArray withPoint = field.toByteArray();
        withPoint[comma] = '.';
        amount = ReadNumber(QByteArrayView(withPoint));
    }
    return std::clamp(amount, -kLargestStoredAmount, kLargestStoredAmount);
}

bool isDatabaseItemTag(QByteArrayView tag, LineEncoding encoding)
{
    if (tag == "item")
        return true;
    // Rare: the tag with white space around it, possibly beyond ASCII.
    return decodeText(tag, encoding).trimmed() == u"item";
}

void readDatabaseEntry(const DatabaseLine& line, TextPool& commonTexts, TextPool& rareTexts,
                       expensearray& entries)
{
    const LineEncoding encoding = line.ascii ? LineEncoding::Utf8 : detectLineEncoding(line.text);
    const QByteArrayView* field = line.fields;
    if (!isDatabaseItemTag(field[0], encoding))
        return;

    static const QString kUnknown = QStringLiteral("Unknown");
    static const QString kDefaultCurrency = QStringLiteral("US$");
    static const QString kDefaultReceipt = QStringLiteral("00");

    const DatabaseFieldReader reader(encoding, commonTexts, rareTexts);
    TExpense& entry = entries.append();
    entry.Currency = reader.textOr(field[4], kDefaultCurrency);
    entry.Amount = readDatabaseAmount(field[5]);
    entry.Income = reader.flag(field[6]);
    entry.Type = reader.textOr(field[7], kUnknown);
    entry.IntendedSource = reader.textOr(field[8], kUnknown);
    entry.PaidWith = reader.textOr(field[9], kUnknown);
    entry.HasReceipt = reader.flag(field[10]);
    entry.Receipt = reader.rareTextOr(field[11], kDefaultReceipt);
    entry.Note = reader.rareTextOr(field[12], QString());
    entry.Date = dayCountFromDate(field[1].isEmpty() ? 2009 : ReadWholeNumber(field[1]),
                                  field[2].isEmpty() ? 1 : ReadWholeNumber(field[2]),
                                  field[3].isEmpty() ? 1 : ReadWholeNumber(field[3]));
    entry.JustChanged = false;
    // Stray "item" lines would otherwise become blank entries; the slot is reused by the next one. An
    // amount that is stored as 0.00 counts as none, or the entry would vanish only when next read.
    if (entry.Type == kUnknown && (entry.Amount == 0.0 || AmountText(entry.Amount) == u"0.00"))
        entries.dropLast();
}

// An upper bound of the number of lines, so the entries are allocated once.
qsizetype countDatabaseLines(QByteArrayView content)
{
    qsizetype lines = 1;
    const char* const end = content.data() + content.size();
    for (const char* p = content.data(); p < end; ++lines) {
        const auto* lineFeed = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        if (lineFeed == nullptr)
            break;
        p = lineFeed + 1;
    }
    return lines;
}

} // namespace

void parseDatabase(QByteArrayView content, expensearray& entries)
{
    expensearray read;
    read.reserve(static_cast<int>(std::min<qsizetype>(countDatabaseLines(content), content.size() / 8 + 1)));
    // Types, currencies, sources and payment methods come from short lists; of the notes and receipt
    // numbers, few repeat.
    TextPool commonTexts(4096);
    TextPool rareTexts(1024);
    DatabaseLine line;
    const char* const end = content.data() + content.size();
    for (const char* lineStart = content.data(); lineStart < end;) {
        lineStart = readDatabaseLine(lineStart, end, line);
        readDatabaseEntry(line, commonTexts, rareTexts, read);
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
    DatabaseLineWriter writer(buffer);
    for (int i = 0; i < count; ++i) {
        writer.appendEntry(entries[i]);
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
