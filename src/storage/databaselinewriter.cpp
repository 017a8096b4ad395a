#include "storage/databaselinewriter.h"

#include "core/daycount.h"
#include "core/textforms.h"

#include <QByteArrayView>
#include <QStringView>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tallyfox {

namespace {

// Beyond its texts a line holds at most about 80 bytes: tag, date, amount, flags, tabs and line end.
constexpr qsizetype kLineFrame = 96;

char* putBytes(char* p, QByteArrayView bytes)
{
    std::memcpy(p, bytes.data(), static_cast<size_t>(bytes.size()));
    return p + bytes.size();
}

char* putFlag(char* p, bool value)
{
    return putBytes(p, value ? QByteArrayView("true") : QByteArrayView("false"));
}

char* putWholeNumber(char* p, int value)
{
    char digits[12];
    int count = 0;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *p++ = '-';
    while (count > 0)
        *p++ = digits[--count];
    return p;
}

char fieldByte(char c)
{
    return (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

// Rare: characters beyond the basic plane, or a broken pair; Qt's encoder decides.
char* putConvertedText(char* p, QStringView rest)
{
    const QByteArray utf8 = rest.toUtf8();
    for (char c : utf8)
        *p++ = fieldByte(c);
    return p;
}

#if defined(__SSE2__)
// Eight UTF-16 units as eight bytes when all are ASCII; tabs and line ends become spaces.
bool putAsciiBlock(char* p, const QChar* units)
{
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units));
    const __m128i beyondAscii = _mm_and_si128(block, _mm_set1_epi16(static_cast<short>(0xFF80)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(beyondAscii, _mm_setzero_si128())) != 0xFFFF)
        return false;
    const __m128i bytes = _mm_packus_epi16(block, block);
    const __m128i breaks = _mm_or_si128(
        _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t')),
        _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))));
    const __m128i fixed =
        _mm_or_si128(_mm_andnot_si128(breaks, bytes), _mm_and_si128(breaks, _mm_set1_epi8(' ')));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), fixed);
    return true;
}
#endif

// The text as UTF-8, at most three bytes per UTF-16 unit. A field never holds a tab or a line end, so no
// text can split a line's columns.
char* putText(char* p, const QString& text)
{
    const QChar* units = text.constData();
    const qsizetype count = text.size();
    for (qsizetype i = 0; i < count; ++i) {
#if defined(__SSE2__)
        // ASCII runs eight units at a time.
        while (count - i >= 8 && putAsciiBlock(p, units + i)) {
            p += 8;
            i += 8;
        }
        if (i == count)
            break;
#endif
        const char16_t c = units[i].unicode();
        if (c < 0x80) {
            *p++ = fieldByte(static_cast<char>(c));
        } else if (c < 0x800) {
            *p++ = static_cast<char>(0xC0 | (c >> 6));
            *p++ = static_cast<char>(0x80 | (c & 0x3F));
        } else if (!QChar::isSurrogate(c)) {
            *p++ = static_cast<char>(0xE0 | (c >> 12));
            *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (c & 0x3F));
        } else {
            return putConvertedText(p, QStringView(text).sliced(i));
        }
    }
    return p;
}

// An empty field reads back as the field's default ("Unknown", "US$", "00"), so an empty text is written as
// one space, which reads back as the empty text it is.
char* putTextWithDefault(char* p, const QString& text)
{
    if (text.isEmpty()) {
        *p++ = ' ';
        return p;
    }
    return putText(p, text);
}

} // namespace

void DatabaseLineWriter::appendEntry(const Expense& entry)
{
    m_amount.resize(0);
    appendAmountText(m_amount, entry.amount);
    const qsizetype textUnits = entry.currency.size() + entry.type.size() + entry.intendedSource.size() +
                                entry.paidWith.size() + entry.receipt.size() + entry.note.size();
    char* p = grow(kLineFrame + m_amount.size() + 3 * textUnits);
    p = putBytes(p, "item\t");
    p = putDate(p, entry.date);
    *p++ = '\t';
    p = putTextWithDefault(p, entry.currency);
    *p++ = '\t';
    p = putBytes(p, m_amount);
    *p++ = '\t';
    p = putFlag(p, entry.income);
    *p++ = '\t';
    p = putTextWithDefault(p, entry.type);
    *p++ = '\t';
    p = putTextWithDefault(p, entry.intendedSource);
    *p++ = '\t';
    p = putTextWithDefault(p, entry.paidWith);
    *p++ = '\t';
    p = putFlag(p, entry.hasReceipt);
    *p++ = '\t';
    p = putTextWithDefault(p, entry.receipt);
    *p++ = '\t';
    p = putText(p, entry.note);
    *p++ = '\r';
    *p++ = '\n';
    shrinkTo(p);
}

char* DatabaseLineWriter::grow(qsizetype count)
{
    const qsizetype size = m_out.size();
    m_out.resize(size + count);
    return m_out.data() + size;
}

void DatabaseLineWriter::shrinkTo(const char* end)
{
    m_out.resize(end - m_out.constData());
}

char* DatabaseLineWriter::putDate(char* p, double date)
{
    if (m_lastDateLength < 0 || date != m_lastDate) {
        char* q = m_lastDateText;
        if (const auto day = dateFromDayCount(date)) {
            q = putWholeNumber(q, day->year);
            *q++ = '\t';
            q = putWholeNumber(q, day->month);
            *q++ = '\t';
            q = putWholeNumber(q, day->day);
        } else {
            // No calendar day: zeros read back as no date.
            q = putBytes(q, "0\t0\t0");
        }
        m_lastDate = date;
        m_lastDateLength = q - m_lastDateText;
    }
    return putBytes(p, QByteArrayView(m_lastDateText, m_lastDateLength));
}

} // namespace tallyfox
