// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "tape/sound/edge_finder.h"
#include "tape/sound/recorded_block.h"

namespace murax {

// Finds the blocks in a recording's pulses as they come: a pilot tone (a long run of pulses of
// one length, which gives the tape's speed), the two short sync pulses, then the bits, two pulses
// each, until a pulse far longer than any bit's ends them. The bits' two lengths are measured on
// the block itself, so a tape running fast or slow, wavering in speed, or saved by a turbo loader
// is read as well as one of the ROM's at its exact speed. A block's bits are held until it ends:
// at most a TAP block's 65535 bytes, eight floats a byte.
class BlockFinder {
public:
    using BlockTaker = std::function<void(RecordedBlock&&)>;
    using LeftOutTaker = std::function<void(LeftOutSignal&&)>;

    BlockFinder(BlockTaker takeBlock, LeftOutTaker takeLeftOut);

    void take(const Pulse& pulse);
    // The recording has ended: a block that was being read ends here, broken off.
    void finish();

private:
    enum class State { Pilot, SecondSync, Data };

    void startPilot(const Pulse& pulse);
    void endBlock(double endSeconds, bool signalEnded);
    void emit(RecordedBlock&& block);

    BlockTaker takeBlock_;
    LeftOutTaker takeLeftOut_;
    State state_ = State::Pilot;
    std::size_t pilotPulses_ = 0;
    double pilotLength_ = 0;  // the pilot's pulse length so far, a running mean
    double pilotStart_ = 0;
    double previous_ = 0;  // the last pulse's length
    double firstSync_ = 0;
    double dataStart_ = 0;
    std::optional<double> halfBit_;  // the first pulse of a bit, waiting for its second
    std::vector<float> bits_;        // each bit's two pulses together
    double lastEnd_ = 0;
    // The data length that the last standard header found gave its data block, with its flag
    // and checksum; 19 for a header.
    std::optional<std::size_t> expectedLength_;
};

}  // namespace murax
