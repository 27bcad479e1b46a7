// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/block_pulses.h"

#include <bit>

namespace murax {

std::uint64_t pulsesDuration(std::string_view block)
{
    const std::uint64_t pilots = hasHeaderPilot(block) ? kHeaderPilotPulses : kDataPilotPulses;
    std::uint64_t ones = 0;
    for (const char c : block)
        ones += static_cast<unsigned>(std::popcount(static_cast<unsigned char>(c)));
    const std::uint64_t zeros = 8 * static_cast<std::uint64_t>(block.size()) - ones;
    return pilots * kPilotPulse + kFirstSyncPulse + kSecondSyncPulse +
           2 * (ones * kOneBitPulse + zeros * kZeroBitPulse);
}

}  // namespace murax
