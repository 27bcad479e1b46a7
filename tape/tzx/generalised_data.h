// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace murax::tzx {

// What the data of a generalised data block (ID 0x19) come to.
struct GeneralisedData {
    enum class Kind {
        Bytes,        // the standard encoding: `dataSize` bytes from `dataAt` of the body on,
                      // `bitsInLastByte` of the last one used
        NotStandard,  // any other encoding: `problem` says how it differs
        Malformed,    // its tables and data do not fit the block: `problem` says what
    };
    Kind kind = Kind::NotStandard;
    std::uint64_t dataAt = 0;
    std::uint64_t dataSize = 0;
    unsigned bitsInLastByte = 8;
    std::string problem;
};

// Up to `count` bytes of the block's body from `at` on; positions asked for never go backwards.
using BodyBytes = std::function<std::string_view(std::uint64_t at, std::size_t count)>;

// Reads the block's body, the `bodySize` bytes after its four length bytes, of which it asks only
// for the fields and the data symbols' table: the pilot stream and the data are never read. The
// standard encoding is the one a ROM loader reads: two data symbols of one bit each, each two
// equal pulses, the 0 bit's shorter than the 1 bit's, every pulse an edge. Only the data part
// decides it; the pilot and sync symbols before it are sound and carry no bytes.
GeneralisedData readGeneralisedData(std::uint64_t bodySize, const BodyBytes& bodyAt);

}  // namespace murax::tzx
