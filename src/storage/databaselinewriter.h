// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <optional>

namespace tallyfox {

// Appends entry lines of the database file to a buffer. The buffer grows by a block at a time and the
// lines are written straight into it; it holds room beyond them until settle() or the end of the writer,
// which cut it to what was written, and no one else may touch it in between.
class DatabaseLineWriter
{
public:
    explicit DatabaseLineWriter(QByteArray& out) : m_out(out) {}
    ~DatabaseLineWriter() { settle(); }
    DatabaseLineWriter(const DatabaseLineWriter&) = delete;
    DatabaseLineWriter& operator=(const DatabaseLineWriter&) = delete;

    // The 13 tab-separated fields of the entry and CR LF.
    void appendEntry(const Expense& entry);
    // Cuts the buffer to the lines written so far.
    void settle();

private:
    // A field's bytes, kept for the next entries that hold the same shared text.
    struct CachedField
    {
        quint32 id = 0xffffffffU;
        QByteArray bytes; // the field's size bytes, and spare ones after them
        qsizetype size = 0;
    };

    using FieldCache = std::array<CachedField, 64>;
    static constexpr int kCachedFields = 5; // currency, type, source, payment method, receipt

    // The bytes of one of the cached fields (numbered as kCachedFields lists them), with an empty text
    // written as one space, from the field's cache; nothing for an unshared text.
    std::optional<QByteArrayView> cachedBytes(StoredText text, int field);
    QByteArrayView dateBytes(double date);
    // Where count bytes may be written.
    char* roomFor(qsizetype count);

    // Lines go into blocks of this size, so the buffer is resized once for many of them.
    static constexpr qsizetype kRoomStep = 64 * 1024;

    QByteArray& m_out;
    char* m_cursor = nullptr; // where the next line goes in m_out, while it holds room beyond the lines
    char* m_end = nullptr;
    // Types, currencies, sources and payment methods repeat on almost every line.
    std::array<FieldCache, kCachedFields> m_cachedFields;
    QByteArray m_date; // the last date's fields, and spare bytes
    qsizetype m_dateSize = 0;
    double m_lastDate = 0.0;
};

} // namespace tallyfox
