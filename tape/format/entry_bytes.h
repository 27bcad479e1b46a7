// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace murax {

// The byte at `i`, or 0 past the end: short blocks and tapes cut short still decode.
inline unsigned byteAt(std::string_view bytes, std::size_t i)
{
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u;
}

// The little-endian word at `i`, a byte past the end counting as 0.
inline unsigned wordAt(std::string_view bytes, std::size_t i)
{
    return byteAt(bytes, i) + 256u * byteAt(bytes, i + 1);
}

// The blocks of an entry (its exact bytes, length prefixes included, as the block list keeps
// them): one for a data entry, the header and the block after it for a header entry. A block
// holds what the tape has of its flag, payload and checksum, which is less than its length field
// says when the file ends inside it.
std::vector<std::string_view> entryBlocks(std::string_view entry);

// The blocks of several entries, one entry's after another's.
std::vector<std::string_view> blocksOfEntries(const std::vector<std::string_view>& entries);

// The payload of the entry's data block (a header entry's second block), without the flag and
// the checksum: the bytes an export writes. A block cut short gives what there is after its flag.
std::string_view entryData(std::string_view entry);

// Whether the entry begins with a header block (flag byte 0).
bool isHeaderEntry(std::string_view entry);

// Whether the entry ends inside a block: its last length field, or the block it frames, runs past
// the entry's last byte. Only the last entry of a tape can be so; anywhere else its block would
// take in the bytes of the entries after it once the tape is saved and read again. An entry of
// whole blocks may still join the block after it when it is read again (a lone header does), but
// that changes only how the blocks are grouped, never the blocks themselves.
bool isCutShort(std::string_view entry);

}  // namespace murax
