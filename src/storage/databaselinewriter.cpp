// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/databaselinewriter.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "platform/textencoding.h"

#include <QByteArrayView>
#include <cstring>

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

char* putDate(char* p, double date)
{
    if (const auto day = dateFromDayCount(date)) {
        p = putWholeNumber(p, day->year);
        *p++ = '\t';
        p = putWholeNumber(p, day->month);
        *p++ = '\t';
        return putWholeNumber(p, day->day);
    }
    // No calendar day: zeros read back as no date.
    return putBytes(p, "0\t0\t0");
}

// An empty field reads back as the field's default ("Unknown", "US$", "00"), so an empty text is written as
// one space, which reads back as the empty text it is.
char* putTextWithDefault(char* p, QStringView text)
{
    if (text.isEmpty()) {
        *p++ = ' ';
        return p;
    }
    return putUtf8Field(p, text);
}

} // namespace

QByteArrayView DatabaseLineWriter::fieldBytes(StoredText text, int field)
{
    const auto encode = [text](QByteArray& into) {
        const QStringView characters = text.view();
        into.resize(1 + kMaxUtf8BytesPerUnit * characters.size());
        into.resize(putTextWithDefault(into.data(), characters) - into.constData());
        return QByteArrayView(into);
    };
    if ((text.id() & StoredText::kUnsharedBit) != 0)
        return encode(m_rooms[size_t(field)]);
    // Each field has a cache of its own, so that the bytes of one entry's fields stay where they are
    // until the line is written.
    FieldCache& cache = m_cachedFields[size_t(field)];
    CachedField& cached = cache[text.id() % cache.size()];
    if (cached.id != text.id()) {
        encode(cached.bytes);
        cached.id = text.id();
    }
    return cached.bytes;
}

QByteArrayView DatabaseLineWriter::dateBytes(double date)
{
    // Entries sorted by date come in runs of one day.
    if (date != m_lastDate || m_date.isEmpty()) {
        m_date.resize(32);
        m_date.resize(putDate(m_date.data(), date) - m_date.constData());
        m_lastDate = date;
    }
    return m_date;
}

void DatabaseLineWriter::appendEntry(const Expense& entry)
{
    m_amount.resize(0);
    appendAmountText(m_amount, entry.amount);
    const QByteArrayView currency = fieldBytes(entry.currency, 0);
    const QByteArrayView type = fieldBytes(entry.type, 1);
    const QByteArrayView source = fieldBytes(entry.intendedSource, 2);
    const QByteArrayView paidWith = fieldBytes(entry.paidWith, 3);
    const QByteArrayView receipt = fieldBytes(entry.receipt, 4);
    const QStringView note = entry.note.view();
    char* p = grow(kLineFrame + m_amount.size() + currency.size() + type.size() + source.size() +
                   paidWith.size() + receipt.size() + kMaxUtf8BytesPerUnit * note.size());
    p = putBytes(p, "item\t");
    p = putBytes(p, dateBytes(entry.date));
    *p++ = '\t';
    p = putBytes(p, currency);
    *p++ = '\t';
    p = putBytes(p, m_amount);
    *p++ = '\t';
    p = putFlag(p, entry.income);
    *p++ = '\t';
    p = putBytes(p, type);
    *p++ = '\t';
    p = putBytes(p, source);
    *p++ = '\t';
    p = putBytes(p, paidWith);
    *p++ = '\t';
    p = putFlag(p, entry.hasReceipt);
    *p++ = '\t';
    p = putBytes(p, receipt);
    *p++ = '\t';
    p = putUtf8Field(p, note);
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

} // namespace tallyfox
