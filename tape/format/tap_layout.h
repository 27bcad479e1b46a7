// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Where things lie in a TAP file, written once. Every block is framed by a two-byte little-endian
// length that counts the flag, the payload and the checksum. A standard header's fields are placed
// here from the start of its block (the flag); code that works on whole entries, which begin with
// the header's length field, adds kLengthFieldSize through inEntry().
namespace murax::tap {

inline constexpr std::size_t kLengthFieldSize = 2;
inline constexpr unsigned kHeaderFlag = 0x00;
inline constexpr unsigned kDataFlag = 0xFF;
inline constexpr std::size_t kHeaderBlockLength = 19;  // flag, 17 bytes of fields, checksum
inline constexpr std::size_t kNameLength = 10;

// A standard header's bytes, from its flag.
namespace header {
inline constexpr std::size_t kFlag = 0;
inline constexpr std::size_t kType = 1;
inline constexpr std::size_t kName = 2;
inline constexpr std::size_t kDataLength = 12;
inline constexpr std::size_t kParameter1 = 14;
inline constexpr std::size_t kParameter2 = 16;
inline constexpr std::size_t kChecksum = 18;  // also where the fields end
}  // namespace header

// An offset within a block as an offset within the entry that the block begins.
constexpr std::size_t inEntry(std::size_t blockOffset)
{
    return kLengthFieldSize + blockOffset;
}

// A whole header block with its length field.
inline constexpr std::size_t kFramedHeaderLength = kLengthFieldSize + kHeaderBlockLength;

}  // namespace murax::tap
