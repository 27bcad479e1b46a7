// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "tape/format/entry_checks.h"
#include "tape/format/tape_source.h"

namespace murax {

// One entry found by the scanner: where its bytes lie in the tape and its display line.
struct ScannedEntry {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;  // as its length fields give it: the tape may end sooner
    bool header = false;       // a header block with the block after it
    std::string line;          // the list's display line, as bytes
};

// Walks a tape's entries reading only what the list shows: each block's two length bytes and the
// first 18 bytes of an entry, skipping the data between. The entries and lines are exactly those
// that splitIntoEntries gives for the same bytes, cut and overlong blocks included.
class EntryScanner {
public:
    explicit EntryScanner(TapeSource& source) : source_(source) {}
    // The next entry; false at the end of the tape. With `facts`, the entry's blocks are read
    // whole on the way, for their checks (the tape is read once, in order, even from a pipe).
    bool next(ScannedEntry& entry, EntryFacts* facts = nullptr);

private:
    TapeSource& source_;
    std::uint64_t position_ = 0;
};

}  // namespace murax
