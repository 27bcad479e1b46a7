// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tape/format/display_charset.h"
#include "tests/support/helpers/system_windows1252.h"

namespace murax {
namespace {

bool windows1252Prints(unsigned byte)
{
    return (byte >= 0x20 && byte != 0x7F && byte < 0x80) || byte >= 0xA0 ||
           (byte >= 0x80 && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 &&
            byte != 0x9D);
}

TEST(DisplayCharset, BytesThatWindows1252PrintsShowAsItsCharacters)
{
    ASSERT_EQ(testing::systemWindows1252(0x80), U'\u20AC')
        << "the system has no Windows-1252 table";
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (!windows1252Prints(byte))
            continue;
        EXPECT_EQ(displayCharForByte(static_cast<unsigned char>(byte)),
                  testing::systemWindows1252(static_cast<unsigned char>(byte)))
            << "byte " << byte;
    }
    EXPECT_EQ(displayCharForByte(0xE9), U'\u00E9');
    EXPECT_EQ(displayCharForByte(0x07), U'\u25E6');
}

TEST(DisplayCharset, EveryOtherByteHasAVisibleStandInOfItsOwn)
{
    std::set<char32_t> shown;
    for (unsigned byte = 0; byte < 256; ++byte)
        shown.insert(displayCharForByte(static_cast<unsigned char>(byte)));
    EXPECT_EQ(shown.size(), 256u) << "two bytes show as the same character";

    for (unsigned byte = 0; byte < 256; ++byte) {
        if (windows1252Prints(byte))
            continue;
        const char32_t c = displayCharForByte(static_cast<unsigned char>(byte));
        // Neither a control character nor a character of the code page itself.
        EXPECT_GE(c, 0x100u) << "byte " << byte;
        EXPECT_FALSE((c >= 0x80 && c < 0xA0)) << "byte " << byte;
    }
}

TEST(DisplayCharset, EveryByteComesBackFromItsCharacterAndNothingElseIsTaken)
{
    for (unsigned byte = 0; byte < 256; ++byte) {
        const auto back = byteForDisplayChar(displayCharForByte(static_cast<unsigned char>(byte)));
        ASSERT_TRUE(back.has_value()) << "byte " << byte;
        EXPECT_EQ(*back, byte);
    }
    EXPECT_EQ(byteForDisplayChar(U'\u20AC'), 0x80);
    EXPECT_EQ(byteForDisplayChar(U'\u00C0'), 0xC0);
    for (const char32_t stray : {U'\u0000', U'\u0007', U'\u0081', U'\u009D', U'\u4E2D', U'\u2400'})
        EXPECT_FALSE(byteForDisplayChar(stray).has_value())
            << std::hex << static_cast<std::uint32_t>(stray);
}

TEST(DisplayCharset, TextKeepsOneCharacterPerByte)
{
    std::string all;
    for (unsigned byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::string text = bytesToDisplayUtf8(all);
    std::size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    EXPECT_EQ(characters, 256u);
    EXPECT_EQ(bytesToDisplayUtf8("A\xE9\x80"), "A\u00E9\u20AC");
}

}  // namespace
}  // namespace murax
