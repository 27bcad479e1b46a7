// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/realtapes/recording_decoder.h"

#include <fstream>
#include <iterator>

#include "tape/format/tape_source.h"
#include "tape/sound/recording_reader.h"
#include "tape/sound/recording_tap.h"

namespace murax::testing {

std::string tapeOfRecording(const std::string& wavPath, std::string& problem)
{
    std::ifstream in(wavPath, std::ios::binary);
    const std::string wav{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    MemoryTapeSource source(wav);
    const Recording recording = readWholeRecording(source, wav.size());
    if (!recording.outcome.read()) {
        problem = wavPath + ": " + recording.outcome.refusal;
        return {};
    }
    return tapOfRecordedBlocks(recording.blocks);
}

}  // namespace murax::testing
