// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/programversion.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(ProgramVersion, LaterVersionsGiveLargerRegistryNumbers)
{
    EXPECT_EQ(versionNumber("0.95.3"), 953);
    EXPECT_EQ(versionNumber("0.96"), 960); // missing parts count as zero
    const char* const versions[] = {"0.9.9", "0.95.3", "0.95.9", "0.96.0", "0.99.9", "1.0.0", "1.0.1"};
    for (size_t i = 1; i < std::size(versions); ++i)
        EXPECT_LT(versionNumber(versions[i - 1]), versionNumber(versions[i])) << versions[i];
}

} // namespace
} // namespace tallyfox
