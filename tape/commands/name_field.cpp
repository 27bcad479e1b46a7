// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/name_field.h"

#include <algorithm>

#include "seam/desktop_services.h"
#include "tape/format/display_charset.h"

namespace murax {

std::string nameFieldText(std::string_view name)
{
    name = name.substr(0, name.find('\0'));
    const auto last = name.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view()
                                                      : name.substr(0, last + 1));
}

std::u32string nameFieldCharacters(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += displayCharForByte(static_cast<unsigned char>(byte));
    return text;
}

bool nameFieldTakes(std::u32string_view text, Desktop& desktop)
{
    const bool takes = std::all_of(text.begin(), text.end(),
                                   [](char32_t c) { return byteForDisplayChar(c).has_value(); });
    if (!takes)
        desktop.beep();
    return takes;
}

std::string nameFieldBytes(std::u32string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text)
        if (const auto byte = byteForDisplayChar(c))
            bytes += static_cast<char>(*byte);
    return bytes;
}

}  // namespace murax
