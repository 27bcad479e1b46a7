// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "support/display_line.h"

namespace murax {

// The open tape in memory: two parallel lists of equal length. Item i of `lines` is the display
// line of item i of `entries`; every edit applies the same change at the same positions to both.
// An entry holds the exact file bytes of one framed block (a data entry) or of a header block
// together with the framed block after it (a header entry), length prefixes included, so joining
// the entries in order gives the whole TAP file back.
struct BlockList {
    DisplayLines lines;
    std::vector<std::string> entries;

    std::size_t count() const { return entries.size(); }
    bool empty() const { return entries.empty(); }
    void clear();
};

// The entries joined in list order: the bytes a save writes.
std::string joinEntries(const BlockList& list);

// The absolute path of the file being edited; empty only before the start-up load.
extern std::string currentFile;

}  // namespace murax
