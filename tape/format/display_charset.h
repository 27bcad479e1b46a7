// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace murax {

// How tape bytes are shown: as the Windows ANSI code page (Windows-1252) shows them, one
// character per byte, so the list's columns stay aligned and a name taken back from an edit field
// gives the same bytes. The bytes that code page leaves undefined or unprintable (0x00-0x1F, 0x7F,
// 0x81, 0x8D, 0x8F, 0x90, 0x9D) show as stand-ins: distinct, one cell wide in Liberation Mono, and
// none of them a character that another byte shows as.
char32_t displayCharForByte(unsigned char byte);

// The byte shown as `c`, or nothing when no byte is shown that way.
std::optional<unsigned char> byteForDisplayChar(char32_t c);

// A byte string mapped to UTF-8 text, one character per byte.
std::string bytesToDisplayUtf8(std::string_view bytes);

}  // namespace murax
