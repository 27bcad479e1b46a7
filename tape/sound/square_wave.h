// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "support/byte_parts.h"
#include "tape/sound/sound_format.h"

namespace murax {

// A signal of two levels, sampled in a sound format and handed to a sink in pieces of a fixed
// size as it is made, so that an hour of sound needs no more memory than one piece. Time counts
// T-states from the start of the sound; it starts at the low level.
class SquareWave {
public:
    // The sample values of the two levels: well inside the range, with room for a player's
    // filters, and the same distance above and below the middle.
    static constexpr std::int16_t kHigh16 = 24576, kLow16 = -24576;
    static constexpr std::uint8_t kHigh8 = 0xE0, kLow8 = 0x20;

    SquareWave(const SoundFormat& format, const ByteParts::Sink& sink);

    // Holds the level until `time`: every sample before that moment that is not written yet
    // gets it.
    void holdUntil(std::uint64_t time);
    // An edge: the other level from now on.
    void toggle() { high_ = !high_; }
    bool high() const { return high_; }
    // Hands what is left to the sink; false when the sink refused a piece, now or before.
    bool finish();

private:
    void flush();

    SoundFormat format_;
    const ByteParts::Sink& sink_;
    std::vector<unsigned char> piece_;
    std::size_t used_ = 0;
    std::uint64_t samples_ = 0;
    bool high_ = false;
    bool failed_ = false;
};

}  // namespace murax
