// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace murax {

// The signal of the Spectrum ROM's save routine, which its loader expects: lengths in T-states of
// the 3.5 MHz clock. A block is a pilot tone, two sync pulses and two pulses for each bit, most
// significant bit first.
inline constexpr std::uint64_t kSpectrumClockHz = 3'500'000;
inline constexpr std::uint32_t kPilotPulse = 2168;
inline constexpr std::uint32_t kHeaderPilotPulses = 8063;  // before a block whose flag is below 128
inline constexpr std::uint32_t kDataPilotPulses = 3223;    // before every other block
inline constexpr std::uint32_t kFirstSyncPulse = 667;
inline constexpr std::uint32_t kSecondSyncPulse = 735;
inline constexpr std::uint32_t kZeroBitPulse = 855;
inline constexpr std::uint32_t kOneBitPulse = 1710;
inline constexpr std::uint64_t kPauseAfterBlock = kSpectrumClockHz;  // one second
inline constexpr std::uint64_t kSilenceBeforeTape = kSpectrumClockHz / 2;

// The signal starts low, and each pulse ends in an edge, so the last pulse of a block is closed
// by one. Pauses are low; where that edge leaves the level high, it stays there this long before
// the pause goes low, so that the edge ends a pulse of its own for a reader to time.
inline constexpr std::uint64_t kLevelHeldAfterBlock = kSpectrumClockHz / 1000;  // 1 ms

}  // namespace murax
