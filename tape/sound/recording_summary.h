// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tape/sound/recorded_block.h"

namespace murax {

// A moment of a recording as people read it: "0:07.3", "1:02:07.3" past an hour.
std::string recordingTime(double seconds);

// A block's verdict in a few words: "checksum OK", "checksum fails (byte 12 at 0:07.3?)",
// "broke off at 0:09.1 in byte 300".
std::string verdictText(const RecordedBlock& block);

// "standard" or "turbo".
std::string speedText(const RecordedBlock& block);

// The most block times, and the most lines of failed blocks and signals left out, a summary
// names; a recording of a long tape can have hundreds of blocks.
inline constexpr std::size_t kNamedInSummary = 20;

// What reading a recording found, for the message that follows it: how many blocks, when each
// begins, where each that failed failed, and what was left out; past kNamedInSummary of each,
// the rest counted ("and 12 more"), the failed blocks named before the signals left out.
std::string recordingSummary(const std::vector<RecordedBlock>& blocks,
                             const std::vector<LeftOutSignal>& leftOut);

}  // namespace murax
