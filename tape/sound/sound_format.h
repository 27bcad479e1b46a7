// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace murax {

// How a tape's sound is sampled: mono PCM, 8-bit unsigned or 16-bit signed.
struct SoundFormat {
    std::uint32_t sampleRate = 44100;
    std::uint32_t bitsPerSample = 16;

    std::uint32_t bytesPerSample() const { return bitsPerSample / 8; }
    friend bool operator==(const SoundFormat&, const SoundFormat&) = default;
};

inline constexpr std::array<std::uint32_t, 3> kSoundSampleRates = {22050, 44100, 48000};
inline constexpr std::array<std::uint32_t, 2> kSoundSampleBits = {8, 16};

// One of the rates and sizes above.
bool isSupportedSoundFormat(const SoundFormat& format);

// How many samples at `sampleRate` fall before `time`, a count of T-states from the start of the
// sound: the index of the first sample at or after that moment. An edge at `time` changes the
// level from that sample on; computed from the exact time each time, rounding never adds up.
std::uint64_t samplesBefore(std::uint64_t time, std::uint32_t sampleRate);

}  // namespace murax
