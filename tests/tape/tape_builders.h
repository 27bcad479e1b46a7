// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace murax::testing {

// A block with its two length bytes in front.
inline std::string framed(std::string_view block)
{
    const std::size_t n = block.size();
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)} + std::string(block);
}

// Flag and payload with the checksum after them that makes the XOR of the block 0.
inline std::string withChecksum(std::string block)
{
    unsigned char x = 0;
    for (const char c : block)
        x ^= static_cast<unsigned char>(c);
    return block + static_cast<char>(x);
}

inline void appendWord(std::string& bytes, unsigned word)
{
    bytes += static_cast<char>(word & 0xFF);
    bytes += static_cast<char>((word >> 8) & 0xFF);
}

// A framed standard header block with a sound checksum; the name padded with spaces to ten bytes.
inline std::string headerBlock(unsigned type, std::string_view name, unsigned dataLength,
                               unsigned parameter1, unsigned parameter2)
{
    std::string block(1, '\0');
    block += static_cast<char>(type);
    std::string padded(name);
    padded.resize(10, ' ');
    block += padded;
    appendWord(block, dataLength);
    appendWord(block, parameter1);
    appendWord(block, parameter2);
    return framed(withChecksum(block));
}

// A framed data block: flag, payload and a sound checksum.
inline std::string dataBlock(std::string_view payload, unsigned char flag = 0xFF)
{
    return framed(withChecksum(std::string(1, static_cast<char>(flag)) + std::string(payload)));
}

}  // namespace murax::testing
