// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"

#include <QByteArray>
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

    char* putText(char* p, StoredText text);
    char* grow(qsizetype count);
    void shrinkTo(const char* end);

    QByteArray& m_out;
    QByteArray m_amount; // the amount's text, kept to reuse its room
    // Types, currencies, sources and payment methods repeat on almost every line.
    std::array<CachedField, 64> m_cachedFields;
};

} // namespace tallyfox
