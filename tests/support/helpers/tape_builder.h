// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Tapes built byte by byte for the tests of every layer and for the benchmarks: plain C++, so the
// core tests, the window tests and the benchmarks all build their files the same way.
namespace murax::testing {

// A block with its two length bytes in front.
inline std::string framed(std::string_view block)
{
    const std::size_t n = block.size();
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF)} +
           std::string(block);
}

// The checksum byte of `bytes`: their XOR, so that the XOR of the block with it is 0.
inline std::string xorOf(std::string_view bytes)
{
    unsigned char x = 0;
    for (const char c : bytes)
        x ^= static_cast<unsigned char>(c);
    return std::string(1, static_cast<char>(x));
}

// Flag and payload with the checksum after them that makes the XOR of the block 0.
inline std::string withChecksum(std::string block)
{
    return block + xorOf(block);
}

// A 16-bit number as the tape stores it, low byte first.
inline void appendWord(std::string& bytes, unsigned word)
{
    bytes += static_cast<char>(word & 0xFF);
    bytes += static_cast<char>((word >> 8) & 0xFF);
}

// A framed standard header block with a sound checksum; the name padded with spaces to ten bytes
// (a longer one is cut to ten).
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

// Shorter forms for the command tests, where only the type, name and first numbers matter.
inline std::string header(unsigned char type, std::string_view name, unsigned length = 3,
                          unsigned param1 = 10)
{
    return headerBlock(type, name, length, param1, 32768);
}

inline std::string data(std::string_view payload)
{
    return dataBlock(payload);
}

// A lone data block recognisable by its payload ("entry" and the tag): one entry of its own.
inline std::string lone(int tag)
{
    return dataBlock("entry" + std::to_string(tag));
}

// Screen memory (6912 bytes) with every kind of cell: a pattern of pixels under changing
// attributes, bright and flashing ones among them.
inline std::string screenMemoryPattern()
{
    std::string bytes(6912, '\0');
    for (std::size_t i = 0; i < 6144; ++i)
        bytes[i] = static_cast<char>(i * 37 + (i >> 8));
    for (std::size_t i = 6144; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 13);
    return bytes;
}

// A program's bytes: 10 PRINT 1, with the number's hidden five-byte form.
inline std::string printOneProgram()
{
    return std::string(
        "\x00\x0A\x09\x00\xF5"
        "1\x0E\x00\x00\x01\x00\x00\x0D",
        13);
}

// That program under a header named "hello" that starts it at line 10: one program entry.
inline std::string printOneEntry()
{
    const std::string program = printOneProgram();
    const auto length = static_cast<unsigned>(program.size());
    return headerBlock(0, "hello", length, 10, length) + dataBlock(program);
}

// The screen memory pattern under a "Bytes" header named "picture" at 16384: one screen entry.
inline std::string screenEntry()
{
    return headerBlock(3, "picture", 6912, 16384, 32768) + dataBlock(screenMemoryPattern());
}

// A "Bytes" header and its data block of `dataLength` bytes: one header entry.
inline std::string headerEntry(std::string_view name, std::size_t dataLength = 4)
{
    return headerBlock(3, name, static_cast<unsigned>(dataLength), 0, 0) +
           dataBlock(std::string(dataLength, 'd'));
}

// A lone data block of `payload` bytes: one data entry.
inline std::string dataEntry(std::size_t payload)
{
    return dataBlock(std::string(payload, 'p'));
}

}  // namespace murax::testing
