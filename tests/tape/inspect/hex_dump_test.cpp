// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/hex_dump.h"

#include <gtest/gtest.h>

namespace murax::testing {
namespace {

TEST(HexDump, SixteenBytesALineWithOffsetAndTheListsCharacters)
{
    std::string bytes = "ABCDEFGHIJKLMNOP";
    bytes += std::string("\x00\xE9\x7F", 3);
    const auto lines = hexDumpLines(bytes);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "0000  41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50  ABCDEFGHIJKLMNOP");
    // The short last line keeps the character column in place; 0x00 and 0x7F show as the list's
    // stand-ins, 0xE9 as the code page's é.
    EXPECT_EQ(lines[1], "0010  00 E9 7F" + std::string(13 * 3, ' ') + "  □é⌂");
    EXPECT_TRUE(hexDumpLines("").empty());
}

TEST(HexDump, OffsetsGrowPastFourDigits)
{
    EXPECT_EQ(hexDumpLine(0x12340, "a").substr(0, 7), "12340  ");
}

TEST(HexDump, EveryOffsetOfADumpIsAsWideAsItsLast)
{
    struct Case {
        std::size_t size;
        std::size_t digits;
    };
    for (const Case c : {Case{0x10000, 4}, Case{0x10001, 5}, Case{0x100001, 6}}) {
        SCOPED_TRACE(c.size);
        const auto lines = hexDumpLines(std::string(c.size, 'x'));
        EXPECT_EQ(lines.front().find(' '), c.digits);
        EXPECT_EQ(lines.back().find(' '), c.digits);
        EXPECT_EQ(lines.front().size(), lines[lines.size() - 2].size());
    }
}

}  // namespace
}  // namespace murax::testing
