// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "tape/sound/sound_format.h"

namespace murax {

// The most sample bytes a WAV file holds: its sizes are 32-bit numbers that count the header too.
inline constexpr std::uint64_t kMostWavDataBytes = 0xFFFFFFFFu - 36 - 1;

// The 44 bytes that begin a WAV file of mono PCM in `format` holding `dataBytes` bytes of samples
// (at most kMostWavDataBytes). An odd number of sample bytes is followed by one pad byte in the
// file, which the sizes count as the format asks.
std::string wavHeader(const SoundFormat& format, std::uint64_t dataBytes);

}  // namespace murax
