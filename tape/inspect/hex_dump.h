// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace murax {

constexpr std::size_t kHexDumpWidth = 16;

// One line of a hex dump, UTF-8: the offset in hex (at least `offsetDigits` digits), the bytes in
// hex and the same bytes as characters in the list's own mapping, one per byte. A last line with
// fewer bytes keeps the character column where the full lines have it.
std::string hexDumpLine(std::uint64_t offset, std::string_view bytes, int offsetDigits = 4);

// The dump of `bytes`, 16 per line, offsets from 0, all of them as wide as the last one (at least
// four digits), so the columns stay aligned from the first line to the last.
std::vector<std::string> hexDumpLines(std::string_view bytes);

}  // namespace murax
