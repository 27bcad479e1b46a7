// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/sound_format.h"

#include <algorithm>

#include "tape/sound/loader_timing.h"

namespace murax {

bool isSupportedSoundFormat(const SoundFormat& format)
{
    return std::ranges::find(kSoundSampleRates, format.sampleRate) != kSoundSampleRates.end() &&
           std::ranges::find(kSoundSampleBits, format.bitsPerSample) != kSoundSampleBits.end();
}

std::uint64_t samplesBefore(std::uint64_t time, std::uint32_t sampleRate)
{
    // Sample k sounds at k / rate seconds, k * clock / rate T-states: the first k whose moment is
    // not before `time` is time * rate / clock rounded up. 64 bits hold the product for sounds of
    // far more than the longest WAV file.
    return (time * sampleRate + kSpectrumClockHz - 1) / kSpectrumClockHz;
}

}  // namespace murax
