// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/storedtext.h"

#include <QByteArrayView>
#include <QtGlobal>
#include <string>
#include <vector>

namespace tallyfox {

// Finds the stored text of a field's bytes without decoding them: types, currencies, sources and payment
// methods repeat on almost every line. The pool stops growing at a bound, so a file of unique texts costs
// no more than decoding them one by one; a reader keeps a small pool for texts that seldom repeat
// (notes), so that they do not crowd out the others.
class TextPool
{
public:
    // Unshared texts are stored without looking for an equal one elsewhere (see StoredText).
    enum class Sharing
    {
        Shared,
        Unshared,
    };

    TextPool(size_t maxTexts, Sharing sharing);

    // The UTF-8 bytes decoded and trimmed of white space.
    [[nodiscard]] StoredText trimmedText(QByteArrayView utf8);

private:
    // One slot of the open-addressed table: the hash, where the text's bytes lie in m_keyBytes, and the
    // text's number plus one (0: a free slot). Looked up without building a key, a file reads in about
    // a sixth less time than through std::unordered_map and a quarter less than through QHash.
    struct Slot
    {
        quint32 hash;
        quint32 length;
        quint32 offset;
        quint32 indexPlusOne;
    };

    [[nodiscard]] StoredText stored(QByteArrayView utf8) const;
    [[nodiscard]] bool sameKey(const Slot& slot, QByteArrayView utf8) const;
    void insert(quint32 hash, QByteArrayView utf8, StoredText text);
    void growTable();

    std::vector<Slot> m_slots; // a power of two in size, at most half full
    std::vector<StoredText> m_texts;
    std::string m_keyBytes;
    size_t m_maxTexts;
    Sharing m_sharing;
};

} // namespace tallyfox
