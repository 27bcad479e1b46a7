// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tape/model/block_list.h"

namespace murax {

// Thrown, before anything is split, when the memory that entries would take cannot be had: the
// tapes they come from, how many there are and the bytes they need (0 when not known).
struct NotEnoughMemory {
    std::string sources;
    std::size_t entries;
    std::uint64_t bytes;
};

// The tapes whose entries a command is about to put into a list (a file chosen or dropped, the
// clipboard): what their entries will cost is counted from their length fields before any entry
// is made, and each entry keeps the name of the tape it comes from, for the messages about it.
class EntryIntake {
public:
    // A tape's bytes, named `source` (a full file name, "the clipboard").
    void addBytes(std::string bytes, std::string source);

    bool empty() const { return tapes_.empty(); }
    std::size_t entryCount() const;

    // All the entries, each tape split as a file of its bytes would be, as one run in the order
    // the tapes were added, to go into `into`. When the memory they take
    // (BlockList::memoryToTakeIn) is more than `headroom`, the bytes the program can still be
    // given, throws NotEnoughMemory before any entry is made.
    BlockList split(const BlockList& into, std::uint64_t headroom) const;
    // The same for a list of their own, which goes into no other.
    BlockList split(std::uint64_t headroom) const;

    // "block N of SOURCE" for the entry at `index` (from 0) of that run.
    std::string nameOf(std::size_t index) const;
    // The tapes' names, joined by ", ".
    std::string sources() const;

private:
    std::uint64_t heapBytes() const;
    BlockList splitWithin(std::uint64_t needed, std::uint64_t headroom) const;

    struct Tape {
        std::string bytes;
        std::string source;
        std::size_t entries;
        std::uint64_t heapBytes;
    };
    std::vector<Tape> tapes_;
};

}  // namespace murax
