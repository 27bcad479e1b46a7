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

}  // namespace murax::fuzz
