// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace murax::basic {

// The byte codes of a BASIC program that the listing and the tokeniser both read the same way.
inline constexpr unsigned char kNumberMark = 0x0E;  // five hidden bytes of a number follow
inline constexpr unsigned char kEndOfLine = 0x0D;
inline constexpr unsigned kFirstToken = 0xA3;  // SPECTRUM, on the 128K; PLAY follows
inline constexpr unsigned kFirstBlockGraphic = 0x80;
inline constexpr unsigned kFirstUserGraphic = 0x90;
inline constexpr unsigned kFirstControlWithOperands =
    0x10;  // INK ... OVER take one, AT and TAB two
inline constexpr unsigned kFirstControlWithTwoOperands = 0x16;
inline constexpr unsigned kLastControlWithOperands = 0x17;
inline constexpr unsigned char kRem = 0xEA;
inline constexpr unsigned char kBin = 0xC4;
inline constexpr unsigned char kDefFn = 0xCE;

// The keyword of a token (kFirstToken..0xFF) as the 128K lists it: "GO TO", "OPEN #", "<=".
std::string_view keywordText(unsigned token);

// Functions (RND to BIN) take no space before them in a listing.
constexpr bool isFunctionToken(unsigned token)
{
    return token >= 0xA5 && token <= 0xC4;
}

}  // namespace murax::basic
