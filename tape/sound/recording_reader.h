// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tape/format/tape_source.h"
#include "tape/sound/block_finder.h"
#include "tape/sound/recorded_block.h"
#include "tape/sound/wav_layout.h"

namespace murax {

// Told how much of a recording has been read (0 to 1) now and then; false stops the reading.
using RecordingProgress = std::function<bool(double fraction)>;

// How the reading of a recording went. A refused or cancelled reading must change nothing: what
// was handed over of it is to be dropped.
struct RecordingOutcome {
    std::optional<WavLayout> layout;
    std::string refusal;  // why the file is not a recording that can be read; "" when it is
    bool cancelled = false;

    bool read() const { return refusal.empty() && !cancelled; }
};

// Reads the WAV recording that `source` gives from its start (forward only, so a pipe will do)
// and hands over each block of a tape found in it, and each signal left out, as the reading
// reaches them. It holds a few pieces of samples and one block's bits, whatever the length.
// A stereo recording is read from the channel that carries the tape, or from both when both do.
RecordingOutcome readRecording(TapeSource& source, std::optional<std::uint64_t> fileSize,
                               const BlockFinder::BlockTaker& takeBlock,
                               const BlockFinder::LeftOutTaker& takeLeftOut,
                               const RecordingProgress& progress = {});

// A recording's blocks and signals left out, gathered.
struct Recording {
    RecordingOutcome outcome;
    std::vector<RecordedBlock> blocks;
    std::vector<LeftOutSignal> leftOut;
};
Recording readWholeRecording(TapeSource& source, std::optional<std::uint64_t> fileSize,
                             const RecordingProgress& progress = {});

}  // namespace murax
