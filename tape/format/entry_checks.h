// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tape/format/tape_source.h"

namespace murax {

// What the checks need to know of one framed block, gathered in one pass over its bytes.
struct BlockFacts {
    unsigned lengthFieldBytes = 0;    // 0 to 2: the tape may end inside the length field
    unsigned declaredLength = 0;      // flag, payload and checksum, as the length field says
    std::uint64_t presentLength = 0;  // how many of those the tape holds
    std::optional<unsigned> flag;
    std::optional<unsigned> storedChecksum;  // the block's last byte, when the block is complete
    unsigned computedChecksum = 0;           // the XOR of the flag and the payload

    bool complete() const { return lengthFieldBytes == 2 && presentLength == declaredLength; }
};

struct EntryFacts {
    bool header = false;
    BlockFacts first;
    std::optional<BlockFacts> second;          // a header entry's data block, when the tape has it
    std::optional<unsigned> headerDataLength;  // the length a complete header gives its data

    // The entry's length as its length fields give it (the tape may end sooner).
    std::uint64_t length() const;
};

// Reads the blocks of the entry at `offset` through `source`, in order and in pieces of fixed
// size, so the memory needed does not grow with the blocks.
EntryFacts gatherFacts(TapeSource& source, std::uint64_t offset, bool header);
// The same for an entry held in memory (its exact bytes, as the block list keeps them).
EntryFacts factsOfEntry(std::string_view entryBytes);

enum class CheckKind { Flag, Checksum, DataLength, CutShort };

// One check's outcome: a sentence for the user and a short phrase for a column of verdicts.
struct Verdict {
    CheckKind kind;
    bool passed;
    std::string text;
    std::string brief;
};

// Flag 0x00 for a header block and 0xFF for a data block, stored against computed checksum for
// each block, the header's data length against the data block's, and whether the tape ends inside
// a block. A check that does not apply (the length of a lone data block) is left out.
std::vector<Verdict> entryVerdicts(const EntryFacts& facts);

bool allPassed(const std::vector<Verdict>& verdicts);

// "ok", or the brief phrases of the failed checks joined by ", ".
std::string verdictColumn(const std::vector<Verdict>& verdicts);

}  // namespace murax
