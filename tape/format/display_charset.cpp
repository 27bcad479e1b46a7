// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/display_charset.h"

#include <array>
#include <utility>

namespace murax {
namespace {

// Windows-1252 at 0x80-0x9F; 0 marks the bytes it leaves undefined.
constexpr std::array<char32_t, 32> kWindows1252High = {
    U'\u20AC', 0,         U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', 0,         U'\u017D', 0,
    0,         U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', 0,         U'\u017E', U'\u0178',
};

// The control codes 0x00-0x1F show as the pictures the PC's character ROM gave them, as far as
// those are not Windows-1252 characters themselves: 0x07 takes the white bullet instead of the
// bullet (0x95), 0x14 the reversed not sign instead of the pilcrow (0xB6), 0x15 the lozenge
// instead of the section sign (0xA7); 0x00 takes a white square so that it stays visible.
constexpr std::array<char32_t, 32> kControlStandIns = {
    U'\u25A1', U'\u263A', U'\u263B', U'\u2665', U'\u2666', U'\u2663', U'\u2660', U'\u25E6',
    U'\u25D8', U'\u25CB', U'\u25D9', U'\u2642', U'\u2640', U'\u266A', U'\u266B', U'\u263C',
    U'\u25BA', U'\u25C4', U'\u2195', U'\u203C', U'\u2310', U'\u25CA', U'\u25AC', U'\u21A8',
    U'\u2191', U'\u2193', U'\u2192', U'\u2190', U'\u221F', U'\u2194', U'\u25B2', U'\u25BC',
};

// 0x7F shows as the house of the same ROM; the five undefined high bytes as shades and blocks.
constexpr char32_t kDeleteStandIn = U'\u2302';
constexpr std::array<std::pair<unsigned char, char32_t>, 5> kUndefinedHighStandIns = {{
    {0x81, U'\u2591'},
    {0x8D, U'\u2592'},
    {0x8F, U'\u2593'},
    {0x90, U'\u2588'},
    {0x9D, U'\u25A0'},
}};

constexpr char32_t standInForUndefinedHigh(unsigned char byte)
{
    for (const auto& [undefined, standIn] : kUndefinedHighStandIns)
        if (undefined == byte)
            return standIn;
    return 0;
}

constexpr std::array<char32_t, 256> makeDisplayChars()
{
    std::array<char32_t, 256> chars{};
    for (unsigned byte = 0; byte < chars.size(); ++byte) {
        if (byte < 0x20)
            chars[byte] = kControlStandIns[byte];
        else if (byte == 0x7F)
            chars[byte] = kDeleteStandIn;
        else if (byte >= 0x80 && byte < 0xA0)
            chars[byte] = kWindows1252High[byte - 0x80]
                              ? kWindows1252High[byte - 0x80]
                              : standInForUndefinedHigh(static_cast<unsigned char>(byte));
        else
            chars[byte] = byte;  // ASCII and Latin-1 are their own code points in Windows-1252
    }
    return chars;
}

constexpr std::array<char32_t, 256> kDisplayChars = makeDisplayChars();

}  // namespace

char32_t displayCharForByte(unsigned char byte)
{
    return kDisplayChars[byte];
}

std::optional<unsigned char> byteForDisplayChar(char32_t c)
{
    if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t byte = 0; byte < kDisplayChars.size(); ++byte)
        if (kDisplayChars[byte] == c)
            return static_cast<unsigned char>(byte);
    return std::nullopt;
}

namespace {

// The UTF-8 form of every byte's character, worked out once: the lister turns a million lines
// into text, and encoding each character afresh showed in its time.
struct EncodedChar {
    char bytes[3];
    unsigned char length;
};

std::array<EncodedChar, 256> encodeAllBytes()
{
    std::array<EncodedChar, 256> table{};
    for (unsigned byte = 0; byte < table.size(); ++byte) {
        const char32_t c = displayCharForByte(static_cast<unsigned char>(byte));
        EncodedChar& e = table[byte];
        if (c < 0x80) {
            e = {{static_cast<char>(c)}, 1};
        } else if (c < 0x800) {
            e = {{static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))}, 2};
        } else {
            e = {{static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                  static_cast<char>(0x80 | (c & 0x3F))},
                 3};
        }
    }
    return table;
}

}  // namespace

std::string bytesToDisplayUtf8(std::string_view bytes)
{
    static const std::array<EncodedChar, 256> table = encodeAllBytes();
    std::string text(bytes.size() * 3, '\0');
    char* out = text.data();
    for (const char b : bytes) {
        const EncodedChar& e = table[static_cast<unsigned char>(b)];
        for (unsigned i = 0; i < e.length; ++i)
            *out++ = e.bytes[i];
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

}  // namespace murax
