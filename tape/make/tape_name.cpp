// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/make/tape_name.h"

#include "support/utf8_text.h"
#include "tape/format/display_charset.h"
#include "tape/format/tap_layout.h"

namespace murax {
namespace {

// The code point of the UTF-8 character of `length` bytes at the start of `text`.
char32_t codePoint(std::string_view text, std::size_t length)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    if (length == 1)
        return lead;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    return c;
}

// The bytes the characters of `utf8` stand for; `strict` refuses a character that stands for none,
// otherwise it is left out.
std::optional<std::string> nameBytes(std::string_view utf8, bool strict)
{
    std::string bytes;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t length = utf8SequenceLength(utf8, pos);
        const bool malformed = length == 1 && static_cast<unsigned char>(utf8[pos]) >= 0x80;
        const auto byte =
            malformed ? std::nullopt : byteForDisplayChar(codePoint(utf8.substr(pos), length));
        if (byte)
            bytes += static_cast<char>(*byte);
        else if (strict)
            return std::nullopt;
        pos += length;
    }
    return bytes;
}

}  // namespace

std::optional<std::string> tapeNameFromText(std::string_view utf8)
{
    auto bytes = nameBytes(utf8, true);
    if (!bytes || bytes->size() > tap::kNameLength)
        return std::nullopt;
    return bytes;
}

std::string tapeNameForFile(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    std::string bytes = *nameBytes(name, false);
    return bytes.substr(0, tap::kNameLength);
}

}  // namespace murax
