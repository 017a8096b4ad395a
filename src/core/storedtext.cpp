// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/storedtext.h"

#include "platform/largememory.h"

#include <QHashFunctions>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

namespace tallyfox {

namespace {

constexpr int kSlotBits = 17;
constexpr quint32 kSlotsPerChunk = 1U << kSlotBits;
// The top bit of a number marks an unshared text; the others count texts.
constexpr size_t kChunkCount = size_t(1) << (31 - kSlotBits);
constexpr quint32 kIndexMask = ~StoredText::kUnsharedBit;
// Characters are handed out from blocks of this many; a longer text gets a block of its own. The first
// block is small, as most programs keep few texts; the later ones are large memory.
constexpr qsizetype kFirstBlockCharacters = 1 << 18;
constexpr qsizetype kBlockCharacters = 1 << 20;
constexpr size_t kFirstTableSize = 1024;
// Numbers a thread takes at a time for its unshared texts.
constexpr quint32 kUnsharedBatch = 1024;
constexpr qsizetype kUnsharedCharacters = 16 * 1024;

// All zero bits: no characters. Chunks come zeroed from the system and are touched only where texts
// are kept, so the store costs a short program next to nothing; the chunks after the first are large
// memory.
struct Slot
{
    const char16_t* characters;
    qsizetype size;
};

struct Chunk
{
    Slot slots[kSlotsPerChunk];
};

// Where each text's characters lie, by number, and a hash table to find a text's number. Numbers are
// handed out under a lock; a number's slot never changes once it is handed out, so reading a text takes
// no lock: whoever holds a number got it after its slot was written.
class TextStore
{
public:
    TextStore()
        : m_chunks(static_cast<std::atomic<Chunk*>*>(std::calloc(kChunkCount, sizeof(std::atomic<Chunk*>)))),
          m_table(newTable(kFirstTableSize))
    {
        static_assert(std::atomic<Chunk*>::is_always_lock_free);
        if (!m_chunks)
            throw std::bad_alloc();
        chunkOf(0);
    }

    // Never destroyed: texts may be read until the very end, from any thread.
    static TextStore& instance()
    {
        static TextStore* const store = new TextStore;
        return *store;
    }

    [[nodiscard]] QStringView view(quint32 id) const
    {
        id &= kIndexMask;
        const Chunk* chunk = m_chunks[id >> kSlotBits].load(std::memory_order_acquire);
        const Slot& slot = chunk->slots[id & (kSlotsPerChunk - 1)];
        return {slot.characters, slot.size};
    }

    quint32 intern(QStringView text)
    {
        if (text.isEmpty())
            return 0;
        const auto hash = static_cast<quint32>(textHash(text));
        // A text kept before is found without the lock, as most are.
        size_t at = 0;
        if (const quint32 id = find(*m_table.load(std::memory_order_acquire), hash, text, at))
            return id;
        const std::lock_guard lock(m_mutex);
        Table& table = *m_table.load(std::memory_order_relaxed);
        if (const quint32 id = find(table, hash, text, at))
            return id;
        const quint32 id = append(text);
        // Published after the text's slot is written: whoever finds the number can read the text.
        table.cells[at].store((quint64(hash) << 32) | id, std::memory_order_release);
        if (++m_shared * 2 > table.mask)
            growTable();
        return id;
    }

    // Unshared texts are kept without the lock, in numbers and characters that each thread takes for
    // itself a batch at a time: two threads reading halves of one file would otherwise wait for each
    // other.
    quint32 keepUnshared(QStringView text)
    {
        if (text.isEmpty())
            return 0;
        thread_local UnsharedBatch batch;
        if (batch.nextId == batch.endId || text.size() > batch.charactersLeft) {
            const std::lock_guard lock(m_mutex);
            if (batch.nextId == batch.endId) {
                batch.nextId = m_count;
                m_count += kUnsharedBatch;
                batch.endId = m_count;
                for (quint32 id = batch.nextId; id < batch.endId;
                     id += kSlotsPerChunk - (id & (kSlotsPerChunk - 1)))
                    chunkOf(id);
            }
            if (text.size() > batch.charactersLeft) {
                // What is left of the last room stays unused.
                const qsizetype room = std::max(text.size(), kUnsharedCharacters);
                batch.characters = takeCharacters(room);
                batch.charactersLeft = room;
            }
        }
        const quint32 id = batch.nextId++;
        std::memcpy(batch.characters, text.utf16(), size_t(text.size()) * sizeof(char16_t));
        m_chunks[id >> kSlotBits].load(std::memory_order_relaxed)->slots[id & (kSlotsPerChunk - 1)] = {
            batch.characters, text.size()};
        batch.characters += text.size();
        batch.charactersLeft -= text.size();
        return id | StoredText::kUnsharedBit;
    }

private:
    // Each cell: the text's hash above its number; 0 is a free cell, as no text but the empty one has
    // the number 0. Cells are read without the lock and written under it.
    struct Table
    {
        size_t mask = 0;
        std::unique_ptr<std::atomic<quint64>[]> cells;
    };

    Table* newTable(size_t size)
    {
        auto table = std::make_unique<Table>();
        table->mask = size - 1;
        table->cells = std::make_unique<std::atomic<quint64>[]>(size);
        for (size_t i = 0; i < size; ++i)
            table->cells[i].store(0, std::memory_order_relaxed);
        m_tables.push_back(std::move(table));
        return m_tables.back().get();
    }

    // The text's number, or 0 with at the free cell where it would go.
    quint32 find(const Table& table, quint32 hash, QStringView text, size_t& at) const
    {
        for (at = hash & table.mask;; at = (at + 1) & table.mask) {
            const quint64 cell = table.cells[at].load(std::memory_order_acquire);
            if (cell == 0)
                return 0;
            const auto id = static_cast<quint32>(cell);
            if (quint32(cell >> 32) == hash && view(id) == text)
                return id;
        }
    }

    struct UnsharedBatch
    {
        quint32 nextId = 0;
        quint32 endId = 0;
        char16_t* characters = nullptr;
        qsizetype charactersLeft = 0;
    };

    // Under the lock.
    Chunk* chunkOf(quint32 id)
    {
        std::atomic<Chunk*>& chunkPointer = m_chunks[id >> kSlotBits];
        Chunk* chunk = chunkPointer.load(std::memory_order_relaxed);
        if (!chunk) {
            chunk = static_cast<Chunk*>(id < kSlotsPerChunk ? std::calloc(1, sizeof(Chunk))
                                                            : takeLargeMemory(sizeof(Chunk)));
            if (!chunk)
                throw std::bad_alloc();
            chunkPointer.store(chunk, std::memory_order_release);
        }
        return chunk;
    }

    // Under the lock.
    quint32 append(QStringView text)
    {
        // Two thousand million texts are more than any memory holds.
        const quint32 id = m_count++;
        char16_t* characters = takeCharacters(text.size());
        std::memcpy(characters, text.utf16(), size_t(text.size()) * sizeof(char16_t));
        chunkOf(id)->slots[id & (kSlotsPerChunk - 1)] = {characters, text.size()};
        return id;
    }

    // Under the lock: room for this many characters.
    char16_t* takeCharacters(qsizetype size)
    {
        if (size > m_blockLeft) {
            const qsizetype blockSize =
                std::max(size, m_blockFree ? kBlockCharacters : kFirstBlockCharacters);
            m_blockFree =
                static_cast<char16_t*>(m_blockFree ? takeLargeMemory(size_t(blockSize) * sizeof(char16_t))
                                                   : std::malloc(size_t(blockSize) * sizeof(char16_t)));
            if (!m_blockFree)
                throw std::bad_alloc();
            m_blockLeft = blockSize;
        }
        char16_t* characters = m_blockFree;
        m_blockFree += size;
        m_blockLeft -= size;
        return characters;
    }

    // Under the lock. The old table stays, for threads that may still be reading it; a text they miss
    // there is looked for again under the lock. The tables grow by doubling, so the old ones together
    // are never larger than the new one.
    void growTable()
    {
        const Table& old = *m_table.load(std::memory_order_relaxed);
        Table* grown = newTable((old.mask + 1) * 2);
        for (size_t i = 0; i <= old.mask; ++i) {
            const quint64 cell = old.cells[i].load(std::memory_order_relaxed);
            if (cell == 0)
                continue;
            size_t at = (cell >> 32) & grown->mask;
            while (grown->cells[at].load(std::memory_order_relaxed) != 0)
                at = (at + 1) & grown->mask;
            grown->cells[at].store(cell, std::memory_order_relaxed);
        }
        m_table.store(grown, std::memory_order_release);
    }

    // Never freed, as the store itself.
    std::atomic<Chunk*>* m_chunks;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<Table>> m_tables;
    std::atomic<Table*> m_table;
    // How many shared texts the table holds.
    size_t m_shared = 0;
    char16_t* m_blockFree = nullptr;
    qsizetype m_blockLeft = 0;
    quint32 m_count = 1;
};

} // namespace

quint64 textHash(QStringView text)
{
    const char16_t* units = text.utf16();
    qsizetype left = text.size();
    quint64 hash = 0x9E3779B97F4A7C15ULL ^ quint64(left);
    const auto mix = [&hash](quint64 block) {
        hash = (hash ^ block) * 0xBF58476D1CE4E5B9ULL;
        hash ^= hash >> 31;
    };
    for (; left >= 4; left -= 4, units += 4) {
        quint64 block = 0;
        std::memcpy(&block, units, sizeof(block));
        mix(block);
    }
    if (left > 0) {
        quint64 block = 0;
        for (qsizetype i = 0; i < left; ++i)
            block |= quint64(units[i]) << (16 * i);
        mix(block);
    }
    hash ^= hash >> 29;
    hash *= 0x94D049BB133111EBULL;
    return hash ^ (hash >> 32);
}

StoredText::StoredText(QStringView text) : m_id(TextStore::instance().intern(text)) {}

StoredText StoredText::unshared(QStringView text)
{
    StoredText stored;
    stored.m_id = TextStore::instance().keepUnshared(text);
    return stored;
}

QString StoredText::text() const
{
    if (m_id == 0)
        return {};
    const QStringView characters = view();
    return QString::fromRawData(reinterpret_cast<const QChar*>(characters.utf16()), characters.size());
}

QStringView StoredText::view() const
{
    return TextStore::instance().view(m_id);
}

} // namespace tallyfox
