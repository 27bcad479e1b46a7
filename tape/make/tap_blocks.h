// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace murax {

// The most data bytes one block holds: its length field counts the flag and checksum as well.
inline constexpr std::size_t kLongestBlockData = 0xFFFF - 2;

// A standard header's fields, as the ROM's SAVE writes them.
struct HeaderFields {
    unsigned type = 0;      // 0 program, 1 number array, 2 character array, 3 bytes
    std::string_view name;  // padded with spaces to ten bytes
    std::size_t dataLength = 0;
    unsigned parameter1 = 0;
    unsigned parameter2 = 0;
};

// A header block and a data block, each with its length field, flag and checksum; together one
// entry. The data must be at most kLongestBlockData bytes.
std::string headerBlock(const HeaderFields& fields);
std::string dataBlock(std::string_view data);

}  // namespace murax
