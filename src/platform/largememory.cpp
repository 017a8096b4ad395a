// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/largememory.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>

#if defined(__SANITIZE_ADDRESS__)
#define TALLYFOX_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TALLYFOX_ADDRESS_SANITIZER 1
#endif
#endif

namespace tallyfox {

#if defined(TALLYFOX_ADDRESS_SANITIZER)

// The sanitizers watch what malloc hands out, and look there for pointers that keep memory in use.
void* takeLargeMemory(std::size_t bytes)
{
    void* const memory = std::calloc(1, bytes);
    if (memory == nullptr)
        throw std::bad_alloc();
    return memory;
}

void giveBackLargeMemory(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

std::size_t largeMemoryInUse() noexcept
{
    return 0;
}

#else

namespace {

// The size of a huge page on x86-64 and arm64 with 4 KB pages; elsewhere the advice is simply not taken.
constexpr std::size_t kHugePage = std::size_t(2) << 20;

std::size_t roundedUp(std::size_t bytes)
{
    return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

std::atomic<std::size_t> inUse{0};

} // namespace

void* takeLargeMemory(std::size_t bytes)
{
    if (bytes == 0 || bytes > std::numeric_limits<std::size_t>::max() - 2 * kHugePage)
        throw std::bad_alloc();
    const std::size_t size = roundedUp(bytes);
    // A huge page must start at a multiple of its size: a page more is mapped, and what lies before the
    // first such start and after the end is given back at once.
    const std::size_t mapped = size + kHugePage;
    void* const mapping = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapping);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~std::uintptr_t(kHugePage - 1);
    if (aligned > start)
        ::munmap(mapping, aligned - start);
    if (const std::size_t after = start + mapped - (aligned + size); after > 0)
        ::munmap(reinterpret_cast<void*>(aligned + size), after);
    // Only advice: without transparent huge pages the memory comes in small pages.
    ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    inUse.fetch_add(size, std::memory_order_relaxed);
    return reinterpret_cast<void*>(aligned);
}

void giveBackLargeMemory(void* memory, std::size_t bytes) noexcept
{
    if (memory != nullptr && bytes > 0) {
        ::munmap(memory, roundedUp(bytes));
        inUse.fetch_sub(roundedUp(bytes), std::memory_order_relaxed);
    }
}

std::size_t largeMemoryInUse() noexcept
{
    return inUse.load(std::memory_order_relaxed);
}

#endif

} // namespace tallyfox
