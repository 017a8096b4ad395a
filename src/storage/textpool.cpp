// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/textpool.h"

#include <cstring>

namespace tallyfox {

namespace {

// Texts longer than this hardly ever repeat; they are decoded without the pool, which also keeps the
// key bytes of a full pool small.
constexpr qsizetype kLongestPooledText = 256;
constexpr size_t kFirstTableSize = 64;

template <typename Word> Word loadPoolWord(const char* bytes)
{
    Word word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// The count (1 to 8) bytes at bytes as one word; the two halves may overlap, which is fine for a hash
// and a comparison of texts of one length.
quint64 loadPoolTail(const char* bytes, size_t count)
{
    if (count >= 4)
        return (quint64(loadPoolWord<quint32>(bytes)) << 32) | loadPoolWord<quint32>(bytes + count - 4);
    const auto byteAt = [bytes](size_t i) {
        return quint64(static_cast<unsigned char>(bytes[i]));
    };
    return (byteAt(0) << 16) | (byteAt(count / 2) << 8) | byteAt(count - 1);
}

quint64 mixPoolWord(quint64 hash, quint64 word)
{
    hash = (hash ^ word) * 0x9fb21c651e98df25ULL;
    return hash ^ (hash >> 29);
}

// A fast hash of short byte strings, eight bytes at a time.
quint32 hashPoolKey(QByteArrayView bytes)
{
    const char* data = bytes.data();
    const auto size = static_cast<size_t>(bytes.size());
    quint64 hash = 0xcbf29ce484222325ULL ^ size;
    if (size > 8) {
        for (size_t offset = 0; offset + 8 < size; offset += 8)
            hash = mixPoolWord(hash, loadPoolWord<quint64>(data + offset));
        hash = mixPoolWord(hash, loadPoolWord<quint64>(data + size - 8));
    } else if (size > 0) {
        hash = mixPoolWord(hash, loadPoolTail(data, size));
    }
    return static_cast<quint32>((hash * 0xd6e8feb86659fd93ULL) >> 32);
}

// Whether two byte strings of the given length are equal, compared a word at a time.
bool samePoolBytes(const char* a, const char* b, size_t size)
{
    if (size >= 8) {
        for (size_t offset = 0; offset + 8 < size; offset += 8) {
            if (loadPoolWord<quint64>(a + offset) != loadPoolWord<quint64>(b + offset))
                return false;
        }
        return loadPoolWord<quint64>(a + size - 8) == loadPoolWord<quint64>(b + size - 8);
    }
    return size == 0 || loadPoolTail(a, size) == loadPoolTail(b, size);
}

} // namespace

quint32 ByteKeys::hashOf(QByteArrayView bytes)
{
    return hashPoolKey(bytes);
}

int ByteKeys::find(QByteArrayView bytes, quint32 hash) const
{
    if (m_slots.empty())
        return -1;
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.numberPlusOne == 0)
            return -1;
        if (slot.hash == hash && slot.length == bytes.size() &&
            samePoolBytes(m_keyBytes.data() + slot.offset, bytes.data(), static_cast<size_t>(bytes.size())))
            return static_cast<int>(slot.numberPlusOne) - 1;
    }
}

int ByteKeys::add(QByteArrayView bytes, quint32 hash)
{
    if ((m_count + 1) * 2 > m_slots.size())
        growTable();
    const auto number = static_cast<quint32>(m_count++);
    const auto offset = static_cast<quint32>(m_keyBytes.size());
    if (!bytes.isEmpty())
        m_keyBytes.append(bytes.data(), static_cast<size_t>(bytes.size()));
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    while (m_slots[i].numberPlusOne != 0)
        i = (i + 1) & mask;
    m_slots[i] = {hash, static_cast<quint32>(bytes.size()), offset, number + 1};
    return static_cast<int>(number);
}

void ByteKeys::growTable()
{
    const std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? kFirstTableSize : old.size() * 2, Slot{0, 0, 0, 0});
    const size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.numberPlusOne == 0)
            continue;
        size_t i = slot.hash & mask;
        while (m_slots[i].numberPlusOne != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

TextPool::TextPool(size_t maxTexts, Sharing sharing) : m_maxTexts(maxTexts), m_sharing(sharing) {}

StoredText TextPool::stored(QByteArrayView utf8) const
{
    const auto store = [this](QStringView text) {
        return m_sharing == Sharing::Shared ? StoredText(text) : StoredText::unshared(text);
    };
    // Most texts are ASCII, already trimmed by the reader: widened where they lie, without a QString.
    if (utf8.size() <= kLongestPooledText) {
        char16_t wide[kLongestPooledText];
        qsizetype size = 0;
        for (const char byte : utf8) {
            if (static_cast<unsigned char>(byte) >= 0x80)
                break;
            wide[size++] = char16_t(byte);
        }
        if (size == utf8.size() && (size == 0 || (wide[0] > u' ' && wide[size - 1] > u' ')))
            return store(QStringView(wide, size));
    }
    return store(QString::fromUtf8(utf8).trimmed());
}

StoredText TextPool::trimmedText(QByteArrayView utf8)
{
    if (utf8.size() > kLongestPooledText)
        return stored(utf8);
    const quint32 hash = ByteKeys::hashOf(utf8);
    if (const int known = m_keys.find(utf8, hash); known >= 0)
        return m_texts[static_cast<size_t>(known)];
    const StoredText text = stored(utf8);
    if (m_texts.size() < m_maxTexts) {
        m_keys.add(utf8, hash);
        m_texts.push_back(text);
    }
    return text;
}

const FieldRunPool::Texts* FieldRunPool::find(QByteArrayView run, quint32 hash) const
{
    const int known = m_keys.find(run, hash);
    return known >= 0 ? &m_texts[static_cast<size_t>(known)] : nullptr;
}

void FieldRunPool::insert(QByteArrayView run, quint32 hash, const Texts& texts)
{
    if (run.size() > kLongestPooledText || m_texts.size() >= kMaxRuns)
        return;
    m_keys.add(run, hash);
    m_texts.push_back(texts);
}

} // namespace tallyfox
