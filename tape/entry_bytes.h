// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace murax {

// The blocks of an entry (its exact bytes, length prefixes included, as the block list keeps
// them): one for a data entry, the header and the block after it for a header entry. A block
// holds what the tape has of its flag, payload and checksum, which is less than its length field
// says when the file ends inside it.
std::vector<std::string_view> entryBlocks(std::string_view entry);

// The payload of the entry's data block (a header entry's second block), without the flag and
// the checksum: the bytes an export writes. A block cut short gives what there is after its flag.
std::string_view entryData(std::string_view entry);

// Whether the entry begins with a header block (flag byte 0).
bool isHeaderEntry(std::string_view entry);

}  // namespace murax
