// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A second, deliberately plain reading of the TAP format, written from the format's description
// rather than from the editor's code, against which the fuzzer compares the editor.
namespace murax::fuzz {

struct ReferenceEntry {
    std::string bytes;
    std::string line;
};

// Cuts `data` into entries: a framed block, or a header block (flag byte 0) together with the
// framed block after it; bytes past the end count as 0 and the last entry takes what remains.
// Each line is made from the data that remains from its entry onward.
std::vector<ReferenceEntry> referenceSplit(std::string_view data);

// The display line of the entry that begins at d[0] (d may run on past the entry).
std::string referenceLine(std::string_view d);

// Whether `entry` begins with a complete standard header block (length 19, flag 0).
bool isStandardHeader(std::string_view entry);

// The framed blocks of `bytes` in order, each its length field and the bytes it frames, as many
// as there are: the last one holds less when the bytes end inside it.
std::vector<std::string> referenceBlocks(std::string_view bytes);

// Whether `entry` ends inside a block, so that bytes placed after it would be taken into it.
bool referenceCutShort(std::string_view entry);

// Whether `entry` is one whole block with a flag byte of 0: a header without its data block.
bool referenceLoneHeader(std::string_view entry);

}  // namespace murax::fuzz
