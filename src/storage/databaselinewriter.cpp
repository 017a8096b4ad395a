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

char* DatabaseLineWriter::putText(char* p, StoredText text)
{
    if ((text.id() & StoredText::kUnsharedBit) != 0)
        return putTextWithDefault(p, text.view());
    CachedField& cached = m_cachedFields[text.id() % m_cachedFields.size()];
    if (cached.id != text.id()) {
        const QStringView characters = text.view();
        cached.bytes.resize(1 + kMaxUtf8BytesPerUnit * characters.size());
        const char* end = putTextWithDefault(cached.bytes.data(), characters);
        cached.bytes.resize(end - cached.bytes.constData());
        cached.id = text.id();
    }
    return putBytes(p, cached.bytes);
}

void DatabaseLineWriter::appendEntry(const Expense& entry)
{
    m_amount.resize(0);
    appendAmountText(m_amount, entry.amount);
    const qsizetype textUnits = entry.currency.size() + entry.type.size() + entry.intendedSource.size() +
                                entry.paidWith.size() + entry.receipt.size() + entry.note.size();
    char* p = grow(kLineFrame + m_amount.size() + kMaxUtf8BytesPerUnit * textUnits);
    p = putBytes(p, "item\t");
    p = putDate(p, entry.date);
    *p++ = '\t';
    p = putText(p, entry.currency);
    *p++ = '\t';
    p = putBytes(p, m_amount);
    *p++ = '\t';
    p = putFlag(p, entry.income);
    *p++ = '\t';
    p = putText(p, entry.type);
    *p++ = '\t';
    p = putText(p, entry.intendedSource);
    *p++ = '\t';
    p = putText(p, entry.paidWith);
    *p++ = '\t';
    p = putFlag(p, entry.hasReceipt);
    *p++ = '\t';
    p = putText(p, entry.receipt);
    *p++ = '\t';
    p = putUtf8Field(p, entry.note.view());
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
