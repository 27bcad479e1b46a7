// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "tape/sound/loader_timing.h"

namespace murax {

// Whether the ROM saves `block` (flag, payload, checksum) with a header's longer pilot tone.
inline bool hasHeaderPilot(std::string_view block)
{
    return !block.empty() && static_cast<unsigned char>(block[0]) < 128;
}

// Calls `pulse(length)` for each pulse the ROM makes of a block that holds at least one byte,
// in order, each length in T-states.
template <class PulseHandler>
void forEachPulse(std::string_view block, PulseHandler&& pulse)
{
    const std::uint32_t pilots = hasHeaderPilot(block) ? kHeaderPilotPulses : kDataPilotPulses;
    for (std::uint32_t i = 0; i < pilots; ++i)
        pulse(kPilotPulse);
    pulse(kFirstSyncPulse);
    pulse(kSecondSyncPulse);
    for (const char c : block) {
        const auto byte = static_cast<unsigned char>(c);
        for (int bit = 7; bit >= 0; --bit) {
            const std::uint32_t length = (byte >> bit) & 1 ? kOneBitPulse : kZeroBitPulse;
            pulse(length);
            pulse(length);
        }
    }
}

// How long the pulses of such a block last together, in T-states.
std::uint64_t pulsesDuration(std::string_view block);

}  // namespace murax
