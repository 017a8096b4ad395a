// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <cstddef>
#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace tallyfox {

// Memory for large arrays (a million entries, their sort keys, the texts of their notes), taken from the
// system in huge pages where it gives them. Every fresh page costs a fault, and on a virtual machine a
// fault costs several microseconds: reading and sorting a million entries took 47,000 of them in small
// pages.
constexpr std::size_t kLargeMemoryFrom = std::size_t(1) << 20;

// Zeroed memory for at least bytes (any number above 0). Throws std::bad_alloc.
[[nodiscard]] void* takeLargeMemory(std::size_t bytes);
// Gives back what takeLargeMemory(bytes) returned.
void giveBackLargeMemory(void* memory, std::size_t bytes) noexcept;
// The bytes of large memory taken and not given back, beyond what malloc counts.
[[nodiscard]] std::size_t largeMemoryInUse() noexcept;

// Takes arrays of kLargeMemoryFrom bytes and more as large memory, smaller ones as any allocation.
template <typename T> class LargeAllocator
{
public:
    using value_type = T;

    LargeAllocator() = default;
    template <typename U> LargeAllocator(const LargeAllocator<U>&) noexcept {}

    [[nodiscard]] T* allocate(std::size_t count)
    {
        if (count > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_array_new_length();
        if (count * sizeof(T) < kLargeMemoryFrom)
            return std::allocator<T>().allocate(count);
        return static_cast<T*>(takeLargeMemory(count * sizeof(T)));
    }

    void deallocate(T* memory, std::size_t count) noexcept
    {
        if (count * sizeof(T) < kLargeMemoryFrom)
            std::allocator<T>().deallocate(memory, count);
        else
            giveBackLargeMemory(memory, count * sizeof(T));
    }

    template <typename U> bool operator==(const LargeAllocator<U>&) const noexcept { return true; }
};

template <typename T> using LargeVector = std::vector<T, LargeAllocator<T>>;

} // namespace tallyfox
