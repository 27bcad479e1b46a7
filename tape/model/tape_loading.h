// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tape/model/block_list.h"

namespace murax {

// How many entries a file's bytes split into, and the heap bytes those entries will hold beyond
// their places in a list (BlockList::heapBytesOfEntry): counted from the length fields alone,
// without making any entry.
struct EntryTally {
    std::size_t entries = 0;
    std::uint64_t heapBytes = 0;
};
EntryTally tallyEntries(std::string_view data);

// Splits a file's bytes into entries and their lines, replacing the whole content of `list`.
// Any byte sequence is accepted and the entries always join back to exactly `data`.
void splitIntoEntries(std::string_view data, BlockList& list);
// The same, adding the entries after those `list` holds (which should have room for them).
void appendEntries(std::string_view data, BlockList& list);

// Reads the named file whole and splits it as above. A file that cannot be read is reported
// through the runtime-error handler, which abandons the command; `list` is then untouched.
void ABLOCKS(const std::string& fileName, BlockList& list);  // loads a TAP file

}  // namespace murax
