// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/memory_headroom.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/helpers/address_space_limit.h"

namespace murax::testing {
namespace {

// Under a limit on the address space the headroom is what is left under it, not the machine's
// memory: the estimate of a command is compared with it.
TEST(MemoryHeadroom, IsWhatALimitOnTheAddressSpaceLeaves)
{
    if (!kAddressSpaceLimitsWork)
        GTEST_SKIP() << kNoAddressSpaceLimit;
    EXPECT_GT(memoryHeadroom(), std::uint64_t{64} << 20);
    const std::uint64_t room = std::uint64_t{64} << 20;
    const std::string report = runWithAddressSpaceLimit(room, [room] {
        const std::uint64_t headroom = memoryHeadroom();
        if (headroom > room || headroom < room - (std::uint64_t{8} << 20))
            return "headroom " + std::to_string(headroom) + " under a room of " +
                   std::to_string(room);
        return std::string();
    });
    EXPECT_EQ(report, "");
}

}  // namespace
}  // namespace murax::testing
