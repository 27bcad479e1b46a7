// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/byte_parts.h"
#include "tape/sound/sound_format.h"
#include "tape/sound/square_wave.h"
#include "tape/sound/tape_edges.h"

namespace murax {

// The samples of a tape's sound, the same the WAV export writes after its header, handed out as
// a player asks for them: made a little ahead of what is taken, so that a tape of any length
// needs no more memory than a piece or two. It keeps its own copy of the blocks.
class TapeSoundStream {
public:
    TapeSoundStream(std::vector<std::string> blocks, const SoundFormat& format);
    TapeSoundStream(const TapeSoundStream&) = delete;
    TapeSoundStream& operator=(const TapeSoundStream&) = delete;

    const SoundFormat& format() const { return format_; }
    // How many samples the whole sound has.
    std::uint64_t totalSamples() const { return totalSamples_; }
    // Copies the next samples into `out`, at most `bytes` of them (a whole number of samples);
    // fewer only at the end of the sound, 0 once it has all been read.
    std::size_t read(char* out, std::size_t bytes);

private:
    bool makeMore();

    std::vector<std::string> blocks_;
    std::vector<std::string_view> views_;
    SoundFormat format_;
    std::uint64_t duration_;
    std::uint64_t totalSamples_;
    std::string made_;  // samples made and not yet read, from `taken_` on
    std::size_t taken_ = 0;
    ByteParts::Sink keep_;
    TapeEdges edges_;
    SquareWave wave_;
    bool finished_ = false;
};

}  // namespace murax
