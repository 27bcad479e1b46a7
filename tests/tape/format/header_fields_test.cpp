// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/header_fields.h"

#include <gtest/gtest.h>

#include "tests/support/helpers/tape_builder.h"

namespace murax::testing {
namespace {

std::string valueOf(const std::vector<FieldLine>& lines, const std::string& label)
{
    for (const FieldLine& line : lines)
        if (line.label == label)
            return line.value;
    return "(no " + label + ")";
}

TEST(HeaderFields, ProgramHeaderGivesAutostartAndProgramLength)
{
    const auto header = decodeHeader(headerBlock(0, "loader", 300, 10, 280) + dataBlock("x"));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->name, "loader    ");
    EXPECT_EQ(autostartLine(*header), 10u);
    const auto lines = describeHeader(*header);
    EXPECT_EQ(valueOf(lines, "Flag"), "0x00");
    EXPECT_EQ(valueOf(lines, "Type"), "0 (Program)");
    EXPECT_EQ(valueOf(lines, "Name"), "\"loader    \" (6C 6F 61 64 65 72 20 20 20 20)");
    EXPECT_EQ(valueOf(lines, "Data length"), "300");
    EXPECT_EQ(valueOf(lines, "Autostart line"), "10");
    EXPECT_EQ(valueOf(lines, "Program length"), "280 (variables after it: 20 bytes)");
}

TEST(HeaderFields, ProgramWithoutAutostart)
{
    const auto header = decodeHeader(headerBlock(0, "p", 5, 32768, 5));
    ASSERT_TRUE(header);
    EXPECT_FALSE(autostartLine(*header));
    EXPECT_EQ(valueOf(describeHeader(*header), "Autostart line"), "none (32768)");
}

TEST(HeaderFields, EachTypeGivesItsParameters)
{
    const auto bytes = decodeHeader(headerBlock(3, "screen", 6912, 16384, 32768));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(valueOf(describeHeader(*bytes), "Start address"), "16384");
    // Arrays: the variable's letter in the low five bits of parameter 1's high byte.
    const auto numbers = decodeHeader(headerBlock(1, "n", 10, 0x8100 | 0x00, 0));
    ASSERT_TRUE(numbers);
    EXPECT_EQ(valueOf(describeHeader(*numbers), "Variable"), "a()");
    const auto characters = decodeHeader(headerBlock(2, "c", 10, 0xDA00, 0));
    ASSERT_TRUE(characters);
    EXPECT_EQ(valueOf(describeHeader(*characters), "Variable"), "z$()");
    const auto odd = decodeHeader(headerBlock(9, "?", 1, 2, 3));
    ASSERT_TRUE(odd);
    EXPECT_EQ(valueOf(describeHeader(*odd), "Type"), "9 (not a standard type)");
    EXPECT_EQ(valueOf(describeHeader(*odd), "Parameter 1"), "2");
}

TEST(HeaderFields, NoHeaderWhereTheEntryHasNone)
{
    EXPECT_FALSE(decodeHeader(dataBlock("abc")));
    EXPECT_FALSE(decodeHeader(headerBlock(0, "p", 1, 2, 3).substr(0, 15)));
    // A header block of ten bytes followed by a long block: the fields are not there.
    EXPECT_FALSE(decodeHeader(framed(std::string(10, '\0')) + dataBlock(std::string(40, 'x'))));
}

}  // namespace
}  // namespace murax::testing
