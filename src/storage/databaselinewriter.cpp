// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/databaselinewriter.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "platform/textencoding.h"

#include <QByteArrayView>
#include <algorithm>
#include <cstring>

namespace tallyfox {

namespace {

// Beyond its texts a line holds at most about 80 bytes: tag, date, amount, flags, tabs and line end.
constexpr qsizetype kLineFrame = 96;

// Bytes kept with this many spare ones after them, so that a short field is copied as one block
// without a call; the line's room has as many to spare.
constexpr qsizetype kCopyBlock = 16;

// Padded bytes (kCopyBlock spare after them) into the line.
char* putPadded(char* p, QByteArrayView bytes)
{
    if (bytes.size() > kCopyBlock) {
        std::memcpy(p, bytes.data(), static_cast<size_t>(bytes.size()));
        return p + bytes.size();
    }
    std::memcpy(p, bytes.data(), kCopyBlock);
    return p + bytes.size();
}

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

std::optional<QByteArrayView> DatabaseLineWriter::cachedBytes(StoredText text, int field)
{
    // Unshared texts (notes, receipt numbers) seldom repeat: they go straight into the line.
    if ((text.id() & StoredText::kUnsharedBit) != 0)
        return std::nullopt;
    // Each field has a cache of its own, so that the bytes of one entry's fields stay where they are
    // until the line is written.
    FieldCache& cache = m_cachedFields[size_t(field)];
    CachedField& cached = cache[text.id() % cache.size()];
    if (cached.id != text.id()) {
        const QStringView characters = text.view();
        cached.bytes.resize(1 + kMaxUtf8BytesPerUnit * characters.size() + kCopyBlock);
        cached.size = putTextWithDefault(cached.bytes.data(), characters) - cached.bytes.constData();
        cached.id = text.id();
    }
    return QByteArrayView(cached.bytes.constData(), cached.size);
}

QByteArrayView DatabaseLineWriter::dateBytes(double date)
{
    // Entries sorted by date come in runs of one day.
    if (date != m_lastDate || m_date.isEmpty()) {
        m_date.resize(32 + kCopyBlock);
        m_dateSize = putDate(m_date.data(), date) - m_date.constData();
        m_lastDate = date;
    }
    return QByteArrayView(m_date.constData(), m_dateSize);
}

void DatabaseLineWriter::appendEntry(const Expense& entry)
{
    const StoredText texts[kCachedFields] = {entry.currency, entry.type, entry.intendedSource, entry.paidWith,
                                             entry.receipt};
    std::optional<QByteArrayView> bytes[kCachedFields];
    const QStringView note = entry.note.view();
    qsizetype room = kLineFrame + kCopyBlock + kMaxUtf8BytesPerUnit * note.size();
    for (int field = 0; field < kCachedFields; ++field) {
        bytes[field] = cachedBytes(texts[field], field);
        room += bytes[field] ? bytes[field]->size() : 1 + kMaxUtf8BytesPerUnit * texts[field].size();
    }
    const auto putField = [&](char* p, int field) {
        return bytes[field] ? putPadded(p, *bytes[field]) : putTextWithDefault(p, texts[field].view());
    };
    char* p = roomFor(room);
    p = putBytes(p, "item\t");
    p = putPadded(p, dateBytes(entry.date));
    *p++ = '\t';
    p = putField(p, 0);
    *p++ = '\t';
    p = putAmountText(p, entry.amount);
    *p++ = '\t';
    p = putFlag(p, entry.income);
    *p++ = '\t';
    p = putField(p, 1);
    *p++ = '\t';
    p = putField(p, 2);
    *p++ = '\t';
    p = putField(p, 3);
    *p++ = '\t';
    p = putFlag(p, entry.hasReceipt);
    *p++ = '\t';
    p = putField(p, 4);
    *p++ = '\t';
    p = putUtf8Field(p, note);
    *p++ = '\r';
    *p++ = '\n';
    m_cursor = p;
}

char* DatabaseLineWriter::roomFor(qsizetype count)
{
    if (m_end - m_cursor >= count)
        return m_cursor;
    settle();
    const qsizetype size = m_out.size();
    m_out.resize(size + std::max(count, kRoomStep));
    m_cursor = m_out.data() + size;
    m_end = m_out.data() + m_out.size();
    return m_cursor;
}

void DatabaseLineWriter::settle()
{
    if (m_cursor == nullptr)
        return;
    m_out.resize(m_cursor - m_out.constData());
    m_cursor = nullptr;
    m_end = nullptr;
}

} // namespace tallyfox
