// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "tape/sound/recorded_block.h"

namespace murax {

// The TAP bytes that a recording's blocks make, in the recording's order: each block's length
// field, then its bytes. The last block, when it broke off, is written cut short: its length
// field says the length it was meant to have (a header's 19 bytes, or the data length of the
// whole header just before it), so that the tape shows how much is missing. A block that broke
// off with others after it holds the bytes read as its whole length, since a block cut short
// would take the blocks after it as its own bytes.
std::string tapOfRecordedBlocks(const std::vector<RecordedBlock>& blocks);

}  // namespace murax
