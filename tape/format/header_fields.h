// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace murax {

// The fields of a standard header block (after its length prefix: flag, type, ten name bytes,
// data length, parameter 1, parameter 2, checksum).
struct HeaderFields {
    unsigned flag = 0;
    unsigned type = 0;
    std::string name;  // the ten bytes as they are
    unsigned dataLength = 0;
    unsigned parameter1 = 0;
    unsigned parameter2 = 0;
};

// The header of a header entry; nothing when the entry does not begin with a header block, the
// block is too short to hold the fields, or the tape ends before its fields do.
std::optional<HeaderFields> decodeHeader(std::string_view entry);

// A field with what it means, for showing: label and value, the value in UTF-8.
struct FieldLine {
    std::string label;
    std::string value;
};

// The fields in order, each with its meaning for the header's type: for a program the autostart
// line (none from 32768 on) and the program's length without its variables; for bytes the start
// address; for an array the variable's name.
std::vector<FieldLine> describeHeader(const HeaderFields& header);

// A program's autostart line, or nothing when parameter 1 says it has none (32768 and above).
std::optional<unsigned> autostartLine(const HeaderFields& header);

}  // namespace murax
