// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/tape_edges.h"

#include "tape/sound/block_pulses.h"

namespace murax {

std::uint64_t TapeEdges::edgeAfter(std::uint64_t pulse)
{
    time_ += pulse;
    high_ = !high_;
    return time_;
}

std::optional<std::uint64_t> TapeEdges::next()
{
    while (block_ < blocks_.size()) {
        const std::string_view block = blocks_[block_];
        switch (stage_) {
        case Stage::BlockStart:
            // A block with no byte at all has nothing to sound.
            if (block.empty()) {
                ++block_;
                continue;
            }
            stage_ = Stage::Pilot;
            count_ = 0;
            continue;
        case Stage::Pilot:
            if (count_ < (hasHeaderPilot(block) ? kHeaderPilotPulses : kDataPilotPulses)) {
                ++count_;
                return edgeAfter(kPilotPulse);
            }
            stage_ = Stage::SecondSync;
            return edgeAfter(kFirstSyncPulse);
        case Stage::SecondSync:
            stage_ = Stage::Bits;
            count_ = 0;
            return edgeAfter(kSecondSyncPulse);
        case Stage::Bits:
            if (count_ < block.size() * 16) {
                // Two pulses a bit, the top bit of each byte first.
                const std::uint64_t bit = count_ / 2;
                const auto byte = static_cast<unsigned char>(block[bit / 8]);
                ++count_;
                return edgeAfter((byte >> (7 - bit % 8)) & 1 ? kOneBitPulse : kZeroBitPulse);
            }
            stage_ = Stage::BlockEnd;
            continue;
        case Stage::BlockEnd: {
            // The edge that closed the last pulse is timed by a reader only once another edge
            // ends the level it set: within the pause, and before the end of the sound for the
            // last block.
            const std::uint64_t lastEdge = time_;
            time_ += kPauseAfterBlock;
            stage_ = Stage::BlockStart;
            ++block_;
            if (high_) {
                high_ = false;
                return lastEdge + kLevelHeldAfterBlock;
            }
            continue;
        }
        }
    }
    return std::nullopt;
}

}  // namespace murax
