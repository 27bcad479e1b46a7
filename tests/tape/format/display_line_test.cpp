// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/display_line.h"

#include <gtest/gtest.h>

#include <string>

namespace murax {
namespace {

TEST(DisplayLine, KeepsAnyBytesUpToItsLengthAndRefusesLongerText)
{
    const std::string bytes("A\0\x7F\xFF", 4);
    const DisplayLine line(bytes);
    EXPECT_EQ(line.size(), 4u);
    EXPECT_EQ(line, bytes);
    EXPECT_EQ(line.str(), bytes);
    EXPECT_EQ(line.substr(1, 2), std::string_view("\0\x7F", 2));
    EXPECT_NE(line, DisplayLine("A"));
    EXPECT_TRUE(DisplayLine().empty());

    const std::string longest(DisplayLine::kMaxLength, 'x');
    EXPECT_EQ(DisplayLine(longest), longest);
    EXPECT_THROW(DisplayLine(longest + "x"), std::length_error);
}

TEST(DisplayLine, ListsOfManyLinesKeepTheirContentsAsTheyGrowIntoLargeBlocks)
{
    // Past a few megabytes the lines live in blocks of their own (huge pages where offered).
    DisplayLines lines;
    constexpr int kCount = 200000;  // about 11 MiB
    for (int i = 0; i < kCount; ++i)
        lines.emplace_back(std::to_string(i));
    lines.insert(lines.begin(), DisplayLine("first"));
    ASSERT_EQ(lines.size(), std::size_t{kCount + 1});
    EXPECT_EQ(lines.front(), "first");
    for (int i = 0; i < kCount; i += 9973)
        EXPECT_EQ(lines[static_cast<std::size_t>(i) + 1], std::to_string(i));
    EXPECT_EQ(lines.back(), std::to_string(kCount - 1));
    lines.clear();
    lines.shrink_to_fit();
    EXPECT_EQ(lines.capacity(), 0u);
}

}  // namespace
}  // namespace murax
