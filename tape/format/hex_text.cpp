// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/hex_text.h"

namespace murax {

std::string hexByte(unsigned value)
{
    std::string text = "0x";
    appendHex(text, value, 2);
    return text;
}

void appendHex(std::string& text, unsigned value, int digits)
{
    constexpr char kHexDigits[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text += kHexDigits[(value >> shift) & 15];
}

}  // namespace murax
