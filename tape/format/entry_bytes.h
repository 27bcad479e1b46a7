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
// take in the bytes of the entries after it once the tape is saved and read again.
bool isCutShort(std::string_view entry);

// Whether the entry is a header block alone, whole, without the block it describes.
bool isLoneHeader(std::string_view entry);

// How an entry comes back when a tape that holds it, with `next` (the whole entry after it, empty
// when it is last) and `afterNext` (the entry after that, of which at most two bytes matter)
// following it, is saved and read again.
enum class ReadBack {
    Same,            // as it is
    TakesNext,       // a header alone before a data entry: the two come back as one entry
    CutShort,        // ends inside a block: its block would take in the bytes after it
    LoneHeader,      // a header alone before another header: it would take that header as data
    EmptyBlock,      // a block of length 0: the byte after it would be read as its flag, a header
    SeveralEntries,  // more blocks than one entry holds: they come back as entries of their own
};
ReadBack readBack(std::string_view entry, std::string_view next, std::string_view afterNext);

}  // namespace murax
