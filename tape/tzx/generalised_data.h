// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace murax::tzx {

// What the data of a generalised data block (ID 0x19) come to.
struct GeneralisedData {
    enum class Kind {
        Bytes,        // the standard encoding: `bytes`, `bitsInLastByte` of the last one used
        NotStandard,  // any other encoding: `problem` says how it differs
        Malformed,    // its tables and data do not fit the block: `problem` says what
    };
    Kind kind = Kind::NotStandard;
    std::string_view bytes;
    unsigned bitsInLastByte = 8;
    std::string problem;
};

// Reads the block's body, the bytes after its four length bytes. The standard encoding is the one
// a ROM loader reads: two data symbols of one bit each, each two equal pulses, the 0 bit's shorter
// than the 1 bit's, every pulse an edge. Only the data part decides it; the pilot and sync symbols
// before it are sound and carry no bytes.
GeneralisedData readGeneralisedData(std::string_view body);

}  // namespace murax::tzx
