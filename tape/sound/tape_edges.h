// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "tape/sound/loader_timing.h"

namespace murax {

// The edges of a tape's sound, one at a time and in order, each the time (T-states from the start
// of the sound) at which the level changes: the pulses the ROM makes of each block, then, where
// the block's last edge left the level high, the edge that brings it low again before the pause.
// Whoever makes samples asks for the next edge only once it has reached the one before, so a
// sound of any length is made without holding more than one run of a level. `blocks` must
// outlive the object.
class TapeEdges {
public:
    explicit TapeEdges(std::span<const std::string_view> blocks) : blocks_(blocks) {}

    // The next edge; nothing once the last block's edges have all been given.
    std::optional<std::uint64_t> next();

private:
    enum class Stage { BlockStart, Pilot, SecondSync, Bits, BlockEnd };

    std::uint64_t edgeAfter(std::uint64_t pulse);

    std::span<const std::string_view> blocks_;
    std::size_t block_ = 0;
    Stage stage_ = Stage::BlockStart;
    std::uint64_t count_ = 0;  // pilot pulses, or bit pulses, given so far in this block
    std::uint64_t time_ = kSilenceBeforeTape;  // of the last edge, or the end of the last pause
    bool high_ = false;
};

}  // namespace murax
