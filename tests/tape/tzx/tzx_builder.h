// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// TZX tapes built byte by byte from the format's block layouts, for the reader's tests, the
// commands' and the oracle tests against tzxlist and tapeconv.
namespace murax::testing {

// `width` bytes of `value`, low byte first.
inline std::string littleEndianBytes(std::uint64_t value, int width)
{
    std::string bytes;
    for (int i = 0; i < width; ++i, value >>= 8)
        bytes += static_cast<char>(value & 0xFF);
    return bytes;
}

// The ten-byte file header (signature, major and minor version) and the blocks after it.
inline std::string tzxFile(std::string_view blocks, unsigned minor = 20, unsigned major = 1)
{
    return std::string("ZXTape!\x1A", 8) + static_cast<char>(major) + static_cast<char>(minor) +
           std::string(blocks);
}

inline std::string idAnd(unsigned id, std::string_view body)
{
    return std::string(1, static_cast<char>(id)) + std::string(body);
}

// ID 0x10: a TAP block's bytes (flag, payload, checksum) as the ROM saves them.
inline std::string standardSpeed(std::string_view block, unsigned pause = 1000)
{
    return idAnd(0x10, littleEndianBytes(pause, 2) + littleEndianBytes(block.size(), 2) +
                           std::string(block));
}

// ID 0x11: the same bytes with the ROM's timings given, `bits` of the last byte played.
inline std::string turboSpeed(std::string_view block, unsigned bits = 8)
{
    std::string body;
    for (const unsigned timing : {2168u, 667u, 735u, 855u, 1710u, 3223u})
        body += littleEndianBytes(timing, 2);
    body += static_cast<char>(bits);
    body += littleEndianBytes(1000, 2) + littleEndianBytes(block.size(), 3) + std::string(block);
    return idAnd(0x11, body);
}

// ID 0x14: the bytes without pilot or sync.
inline std::string pureData(std::string_view block, unsigned bits = 8)
{
    return idAnd(0x14, littleEndianBytes(855, 2) + littleEndianBytes(1710, 2) +
                           static_cast<char>(bits) + littleEndianBytes(1000, 2) +
                           littleEndianBytes(block.size(), 3) + std::string(block));
}

// How a generalised data block (ID 0x19) encodes its data; the defaults are the ROM's.
struct GeneralisedShape {
    std::vector<unsigned> zero{855, 855};
    std::vector<unsigned> one{1710, 1710};
    unsigned flags = 0;     // of both data symbols
    unsigned alphabet = 2;  // data symbols in the table (the first two as above, the rest 0s)
    bool pilot = true;      // a pilot tone and sync pulses before the data
    std::uint64_t dataSymbols = ~0ull;  // all the bits of the bytes
    std::size_t bodyCut = 0;            // bytes taken off the end, so that its tables claim more
};

inline std::string generalisedData(std::string_view bytes, const GeneralisedShape& shape = {})
{
    const std::size_t pulses = std::max(shape.zero.size(), shape.one.size());
    const std::uint64_t dataSymbols =
        shape.dataSymbols == ~0ull ? 8 * bytes.size() : shape.dataSymbols;
    std::string body = littleEndianBytes(1000, 2);
    body += littleEndianBytes(shape.pilot ? 2 : 0, 4) + '\x02' + '\x02';
    body += littleEndianBytes(dataSymbols, 4) + static_cast<char>(pulses) +
            static_cast<char>(shape.alphabet & 0xFF);
    if (shape.pilot) {
        body += '\0' + littleEndianBytes(2168, 2) + littleEndianBytes(0, 2);
        body += '\0' + littleEndianBytes(667, 2) + littleEndianBytes(735, 2);
        body += '\0' + littleEndianBytes(3223, 2) + '\x01' + littleEndianBytes(1, 2);
    }
    if (dataSymbols > 0) {
        for (unsigned symbol = 0; symbol < (shape.alphabet == 0 ? 256 : shape.alphabet); ++symbol) {
            const std::vector<unsigned> none;
            const std::vector<unsigned>& given = symbol == 0   ? shape.zero
                                                 : symbol == 1 ? shape.one
                                                               : none;
            body += static_cast<char>(shape.flags);
            for (std::size_t i = 0; i < pulses; ++i)
                body += littleEndianBytes(i < given.size() ? given[i] : 0, 2);
        }
    }
    body += bytes;
    body.resize(body.size() - shape.bodyCut);
    return idAnd(0x19, littleEndianBytes(body.size(), 4) + body);
}

// One block of every ID that holds no data, each with a body as the format lays it out.
inline std::vector<std::string> blocksWithoutData()
{
    const std::string select = '\x01' + littleEndianBytes(1, 2) + '\x03' + "one";
    const std::string archive = std::string("\x01\x00\x04", 3) + "game";
    return {
        idAnd(0x20, littleEndianBytes(500, 2)),
        idAnd(0x21, "\x05group"),
        idAnd(0x22, ""),
        idAnd(0x23, littleEndianBytes(1, 2)),
        idAnd(0x24, littleEndianBytes(2, 2)),
        idAnd(0x25, ""),
        idAnd(0x26, littleEndianBytes(2, 2) + littleEndianBytes(1, 2) + littleEndianBytes(3, 2)),
        idAnd(0x27, ""),
        idAnd(0x28, littleEndianBytes(select.size(), 2) + select),
        idAnd(0x2A, littleEndianBytes(0, 4)),
        idAnd(0x2B, littleEndianBytes(1, 4) + '\x01'),
        idAnd(0x30, "\x04text"),
        idAnd(0x31, std::string("\x05\x03", 2) + "msg"),
        idAnd(0x32, littleEndianBytes(archive.size(), 2) + archive),
        idAnd(0x33, std::string("\x01\x00\x00\x01", 4)),
        idAnd(0x34, std::string(8, '\0')),
        idAnd(0x35, std::string("CUSTOM INFO     ") + littleEndianBytes(3, 4) + "abc"),
        idAnd(0x5A, std::string("XTape!\x1A\x01\x14", 9)),
    };
}

}  // namespace murax::testing
