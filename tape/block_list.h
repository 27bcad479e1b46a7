// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "support/display_line.h"

namespace murax {

// The open tape in memory: two parallel lists of equal length. Item i of `lines` is the display
// line of item i of `entries`. Only the operations below change them, and each applies the same
// change at the same positions to both, so no command can let them drift apart.
// An entry holds the exact file bytes of one framed block (a data entry) or of a header block
// together with the framed block after it (a header entry), length prefixes included, so joining
// the entries in order gives the whole TAP file back.
class BlockList {
public:
    const DisplayLines& lines() const { return lines_; }
    const std::vector<std::string>& entries() const { return entries_; }
    std::size_t count() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    void clear();
    void append(std::string entry, const DisplayLine& line);
    // Puts the entries of `run` before index `at` (at most count()), in their order, by moving
    // them; `run` is left empty.
    void insertRun(std::size_t at, BlockList&& run);
    // Removes the entries at the given indexes (any order; out of range or repeated ones count
    // once or not at all) and returns them, in list order, as a list of their own.
    BlockList removeSelection(const std::vector<std::size_t>& indexes);
    void swap(std::size_t a, std::size_t b);
    void replace(std::size_t index, std::string entry, const DisplayLine& line);

    // The absolute path of the file this tape was loaded from or last saved to; empty only
    // before the start-up load.
    std::string currentFile;

private:
    DisplayLines lines_;
    std::vector<std::string> entries_;
};

// The entries joined in list order: the bytes a save writes.
std::string joinEntries(const BlockList& list);

}  // namespace murax
