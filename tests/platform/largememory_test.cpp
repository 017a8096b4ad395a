// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/largememory.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

// An array that grows from small memory into large memory, is copied and shrinks back keeps its values
// at every step, and large memory comes zeroed however much is asked for.
TEST(LargeMemory, ArraysKeepTheirValuesAcrossTheThreshold)
{
    constexpr size_t kLargeCount = 3 * kLargeMemoryFrom / sizeof(std::uint32_t) + 7;
    LargeVector<std::uint32_t> numbers;
    for (std::uint32_t i = 0; i < kLargeCount; ++i)
        numbers.push_back(i * 2654435761U);
    LargeVector<std::uint32_t> copy = numbers;
    numbers.resize(10);
    numbers.shrink_to_fit();
    for (std::uint32_t i = 0; i < kLargeCount; ++i)
        ASSERT_EQ(copy[i], i * 2654435761U) << i;
    for (std::uint32_t i = 0; i < 10; ++i)
        EXPECT_EQ(numbers[i], i * 2654435761U);

    for (const size_t bytes : {size_t(1), kLargeMemoryFrom, 5 * kLargeMemoryFrom + 3}) {
        auto* memory = static_cast<unsigned char*>(takeLargeMemory(bytes));
        EXPECT_TRUE(std::all_of(memory, memory + bytes, [](unsigned char c) { return c == 0; })) << bytes;
        std::fill(memory, memory + bytes, 0xA5);
        giveBackLargeMemory(memory, bytes);
    }
}

} // namespace
} // namespace tallyfox
