// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace murax {

// Where a listing cannot be tokenised, and why: the line of the text file and the column (both
// from 1, the column counted in characters).
struct BasicError {
    std::size_t line = 0;
    std::size_t column = 0;
    std::string what;
};

struct TokenisedBasic {
    std::string program;  // the program's bytes, as a program entry's data block holds them
    std::optional<BasicError> error;  // when set, `program` is empty
};

// Tokenises a BASIC listing written as text (UTF-8), in the form people type and zmakebas reads:
// each line a line number (0-9999, rising) and its statements; keywords as words in any case
// ("go to", "GOTO", "def fn"); each number followed by its hidden five bytes; DEF FN's parameters
// each followed by a slot for its value; strings and the rest of a REM line kept as typed. Spaces
// outside strings and REM lines are dropped, one space after REM too. Lines beginning with `#`
// and blank lines are passed over, and a line ending in a backslash goes on on the next one. The
// escapes, in strings too: \a to \u the user graphics, \ followed by two of " .':" a block graphic
// (the left character drawing its left half), \* the copyright sign, \\ a backslash, \@ an at
// sign, \{N} the byte N (decimal, or hex after 0x). ` and £ stand for the pound sign, ↑ for the
// up arrow and © for the copyright sign, as Murax's listing prints them.
TokenisedBasic tokeniseBasic(std::string_view text);

// "line 3, column 7: <what>".
std::string basicErrorText(const BasicError& error);

}  // namespace murax
