// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/entry_scanner.h"

#include "tape/format/entry_bytes.h"
#include "tape/format/tap_decoding.h"

namespace murax {
namespace {

// The bytes of an entry that its display line depends on: the length, flag, type, name, data
// length and first parameter.
constexpr std::size_t kLineBytes = 18;

// A length field; a byte past the end of the tape counts as 0, as when the whole file is split.
std::uint64_t lengthField(std::string_view bytes)
{
    const unsigned low = bytes.size() > 0 ? static_cast<unsigned char>(bytes[0]) : 0u;
    const unsigned high = bytes.size() > 1 ? static_cast<unsigned char>(bytes[1]) : 0u;
    return low + 256u * high;
}

}  // namespace

bool EntryScanner::next(ScannedEntry& entry, EntryFacts* facts)
{
    const std::string_view start = source_.bytesAt(position_, kLineBytes);
    if (start.empty())
        return false;
    entry.offset = position_;
    entry.header = isHeaderEntry(start);
    entry.line = BLKLINE(start);
    std::uint64_t length = lengthField(start) + 2;
    if (facts) {
        *facts = gatherFacts(source_, position_, entry.header);
        length = facts->length();
    } else if (entry.header) {
        length += lengthField(source_.bytesAt(position_ + length, 2)) + 2;
    }
    entry.length = length;
    position_ += length;
    return true;
}

}  // namespace murax
