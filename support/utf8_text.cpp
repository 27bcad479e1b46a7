// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/utf8_text.h"

namespace murax {
namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t pos)
{
    if (pos >= text.size())
        return 0;
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80)
        return 1;

    std::size_t length = 0;
    // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    if (at(1) < low || at(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!isContinuation(at(i)))
            return 0;
    return length;
}

std::vector<std::size_t> utf8CharacterStarts(std::string_view text)
{
    std::vector<std::size_t> starts;
    starts.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        starts.push_back(pos);
        const std::size_t length = utf8SequenceLength(text, pos);
        pos += length ? length : 1;
    }
    return starts;
}

}  // namespace murax
