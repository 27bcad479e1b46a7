// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/model/entry_intake.h"

#include <utility>

#include "tape/model/tape_loading.h"

namespace murax {

void EntryIntake::addBytes(std::string bytes, std::string source)
{
    const EntryTally tally = tallyEntries(bytes);
    tapes_.push_back({std::move(bytes), std::move(source), tally.entries, tally.heapBytes});
}

std::size_t EntryIntake::entryCount() const
{
    std::size_t total = 0;
    for (const Tape& tape : tapes_)
        total += tape.entries;
    return total;
}

std::uint64_t EntryIntake::heapBytes() const
{
    std::uint64_t total = 0;
    for (const Tape& tape : tapes_)
        total += tape.heapBytes;
    return total;
}

BlockList EntryIntake::split(const BlockList& into, std::uint64_t headroom) const
{
    return splitWithin(into.memoryToTakeIn(entryCount(), heapBytes()), headroom);
}

BlockList EntryIntake::split(std::uint64_t headroom) const
{
    return splitWithin(entryCount() * std::uint64_t{BlockList::kBytesPerPlace} + heapBytes(),
                       headroom);
}

BlockList EntryIntake::splitWithin(std::uint64_t needed, std::uint64_t headroom) const
{
    const std::size_t entries = entryCount();
    if (needed > headroom)
        throw NotEnoughMemory{sources(), entries, needed};

    BlockList run;
    run.reserve(entries);
    for (const Tape& tape : tapes_)
        appendEntries(tape.bytes, run);
    return run;
}

std::string EntryIntake::nameOf(std::size_t index) const
{
    for (const Tape& tape : tapes_) {
        if (index < tape.entries)
            return "block " + std::to_string(index + 1) + " of " + tape.source;
        index -= tape.entries;
    }
    return "block " + std::to_string(index + 1);
}

std::string EntryIntake::sources() const
{
    std::string names;
    for (const Tape& tape : tapes_)
        names += (names.empty() ? "" : ", ") + tape.source;
    return names;
}

}  // namespace murax
