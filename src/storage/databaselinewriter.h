// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>

namespace tallyfox {

// Appends entry lines of the database file to a buffer. Each line first makes room for its longest
// possible form and is then written straight into the buffer, which shrinks to what was written.
class DatabaseLineWriter
{
public:
    explicit DatabaseLineWriter(QByteArray& out) : m_out(out) {}

    // The 13 tab-separated fields of the entry and CR LF.
    void appendEntry(const Expense& entry);

private:
    // A field's bytes, kept for the next entries that hold the same shared text.
    struct CachedField
    {
        quint32 id = 0xffffffffU;
        QByteArray bytes;
    };

    using FieldCache = std::array<CachedField, 64>;
    static constexpr int kCachedFields = 5; // currency, type, source, payment method, receipt

    // The bytes of one of the cached fields (numbered as kCachedFields lists them), with an empty text
    // written as one space: from the field's cache for a shared text, else encoded into its room.
    QByteArrayView fieldBytes(StoredText text, int field);
    QByteArrayView dateBytes(double date);
    char* grow(qsizetype count);
    void shrinkTo(const char* end);

    QByteArray& m_out;
    QByteArray m_amount; // the amount's text, kept to reuse its room
    // Types, currencies, sources and payment methods repeat on almost every line.
    std::array<FieldCache, kCachedFields> m_cachedFields;
    std::array<QByteArray, kCachedFields> m_rooms;
    QByteArray m_date; // the last date's fields
    double m_lastDate = 0.0;
};

} // namespace tallyfox
