// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace murax {

// One program line as the Spectrum lists it, in UTF-8, in the form the tokeniser (and, but for
// the signs below, zmakebas) reads back to the same bytes: keywords spelt out with the spaces the
// Spectrum puts around them, the hidden five-byte form of each number left out, and zmakebas's
// escapes for what is no plain character: colour and position codes and their operands as
// bytes ("\{16}\{2}" for INK 2), block graphics drawn in two characters ("\':"), user-defined
// graphics as "\A" to "\U", a backslash as "\\", keywords inside strings and REM as their
// bytes; the character set's own £, ↑ and © as themselves.
struct BasicLine {
    unsigned number = 0;
    std::string text;
};

struct BasicListing {
    std::vector<BasicLine> lines;
    std::optional<unsigned> autostart;   // from the header; may name a line the program lacks
    bool autostartFound = false;         // the program has that line
    bool cutShort = false;               // the data ends inside a line
    std::size_t variablesLength = 0;     // bytes after the program: its variables
    std::vector<std::string> variables;  // each variable with its value
};

// Lists a program's data block payload: lines up to `programLength` bytes (the header's
// parameter 2), and the variables in the rest of the data.
BasicListing listBasic(std::string_view data, std::size_t programLength,
                       std::optional<unsigned> autostart);

// The listing as text lines: the autostart first, each program line as "%5u text", then the
// variables area under a line of its own that marks it. All but the program lines begin with
// "#", which a listing read back passes over.
std::vector<std::string> basicListingText(const BasicListing& listing);

// The value of a number in the Spectrum's five-byte form.
double spectrumNumber(std::string_view fiveBytes);

}  // namespace murax
