// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "tape/format/tape_source.h"

namespace murax::lister {

// Writes the display lines of a tape to `out` exactly as the editor's list shows them, one per
// entry, each ended by a newline, in UTF-8 through the editor's one-character-per-byte mapping.
// Only the bytes the lines show are asked of the source. With `check`, each line is followed by
// the entry's verdict column, and every block is read once to sum it. Returns false when a check
// failed.
bool writeListing(TapeSource& source, std::FILE* out, bool check);

// The exact bytes of entry `number` (from 1); nothing when the tape has fewer entries, and then
// `count` says how many it has.
std::optional<std::string> readEntry(TapeSource& source, std::size_t number, std::size_t& count);

}  // namespace murax::lister
