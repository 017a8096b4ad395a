// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QHashFunctions>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <string>

namespace tallyfox {

// A text that an entry holds, kept as a number in one store of texts that the whole program shares. The
// store keeps each distinct text once and never lets go of it, so a million entries that repeat a few
// dozen types and currencies cost four bytes a text, and entries copy as plain bytes. Texts that seldom
// repeat (receipt numbers and notes read from a file) may be kept unshared, without looking for an equal
// one; equal shared texts have equal numbers. Texts may be stored and read on any thread.
class StoredText
{
public:
    StoredText() = default;
    // Implicit, so that a text is given to an entry as to a QString.
    StoredText(QStringView text);
    StoredText(const QString& text) : StoredText(QStringView(text)) {}
    StoredText(const char16_t* text) : StoredText(QStringView(text)) {}
    StoredText(QLatin1StringView text) : StoredText(QString(text)) {}
    StoredText(const char* utf8) : StoredText(QString::fromUtf8(utf8)) {}
    // Kept as it is, without looking for an equal text: quicker for a text that is unlikely to repeat.
    [[nodiscard]] static StoredText unshared(QStringView text);

    // The characters stay in the store, so the QString copies none of them.
    [[nodiscard]] QString text() const;
    operator QString() const { return text(); }
    [[nodiscard]] QStringView view() const;
    [[nodiscard]] std::string toStdString() const { return view().toString().toStdString(); }

    [[nodiscard]] bool isEmpty() const { return m_id == 0; }
    [[nodiscard]] qsizetype size() const { return view().size(); }
    void clear() { m_id = 0; }
    // The text's number in the store: equal for equal shared texts, 0 for the empty one.
    [[nodiscard]] quint32 id() const { return m_id; }

    friend bool operator==(StoredText a, StoredText b)
    {
        return a.m_id == b.m_id || (((a.m_id | b.m_id) & kUnsharedBit) != 0 && a.view() == b.view());
    }
    friend bool operator==(StoredText a, QStringView b) { return a.view() == b; }
    friend bool operator==(StoredText a, const QString& b) { return a.view() == QStringView(b); }
    friend bool operator==(StoredText a, QLatin1StringView b) { return a.view() == b; }
    friend bool operator==(StoredText a, const char16_t* b) { return a.view() == QStringView(b); }

    static constexpr quint32 kUnsharedBit = 0x80000000U;

private:
    quint32 m_id = 0;
};

// A quick hash of a short text, eight bytes at a time. Qt's string hash is made to resist chosen keys
// and costs several times as much on the short texts entries hold; these come from the user's own files.
[[nodiscard]] quint64 textHash(QStringView text);

inline size_t qHash(StoredText text, size_t seed = 0)
{
    return size_t(textHash(text.view()) ^ (quint64(seed) * 0x9E3779B97F4A7C15ULL));
}

} // namespace tallyfox
