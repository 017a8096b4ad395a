// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <cstdint>

namespace tallyfox::bench {

// A small random source whose sequence is fixed by its seed on every platform and compiler (unlike the
// standard distributions), so one seed always generates the same database bytes.
class BenchRandom
{
public:
    explicit BenchRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        // splitmix64
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // A whole number in [0, bound); bound > 0.
    std::uint32_t below(std::uint32_t bound)
    {
        return static_cast<std::uint32_t>(((next() >> 32) * bound) >> 32);
    }

    // A whole number in [low, high].
    int between(int low, int high)
    {
        return low + static_cast<int>(below(static_cast<std::uint32_t>(high - low + 1)));
    }

    // True with the given chance in percent.
    bool chance(int percent) { return below(100) < static_cast<std::uint32_t>(percent); }

private:
    std::uint64_t m_state;
};

} // namespace tallyfox::bench
