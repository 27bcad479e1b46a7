// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/basic_listing.h"

#include <gtest/gtest.h>

namespace murax::testing {
namespace {

using namespace std::string_literals;

// A program line as the Spectrum stores it: number high byte first, length, text, end of line.
std::string programLine(unsigned number, std::string_view text)
{
    std::string line{static_cast<char>(number >> 8), static_cast<char>(number & 0xFF)};
    const std::size_t length = text.size() + 1;
    line += static_cast<char>(length & 0xFF);
    line += static_cast<char>(length >> 8);
    return line + std::string(text) + "\x0D";
}

// The five-byte form of a small whole number.
std::string smallInteger(unsigned value)
{
    return std::string{
        '\x0E', '\0', '\0', static_cast<char>(value & 0xFF), static_cast<char>(value >> 8), '\0'};
}

std::vector<std::string> listed(const std::string& program, std::optional<unsigned> autostart = {})
{
    return basicListingText(listBasic(program, program.size(), autostart));
}

TEST(BasicListing, KeywordsNumbersAndSpacingAsTheSpectrumListsThem)
{
    // 10 FOR i=1 TO 10 STEP 2: PRINT AT 1,2;RND;INKEY$: NEXT i
    const std::string text = "\xEBi=1" + smallInteger(1) +
                             "\xCC"
                             "10" +
                             smallInteger(10) +
                             "\xCD"
                             "2" +
                             smallInteger(2) +
                             ":\xF5\xAC"
                             "1" +
                             smallInteger(1) + ",2" + smallInteger(2) + ";\xA5;\xA6:\xF3i";
    const auto lines = listed(programLine(10, text), 10);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "# Autostart: line 10");
    EXPECT_EQ(lines[1], "   10 FOR i=1 TO 10 STEP 2: PRINT AT 1,2;RND;INKEY$: NEXT i");
}

TEST(BasicListing, OneHundredAndTwentyEightKeywordsAndSigns)
{
    const std::string program = programLine(1, "\xA3") + programLine(2, "\xA4\"a\"") +
                                programLine(3,
                                            "\xFA"
                                            "a\xC7"
                                            "b\xCB\xFE") +
                                programLine(9999,
                                            "\xE4\xC3"
                                            "a\xC5"
                                            "b");
    const auto lines = listed(program);
    EXPECT_EQ(lines[0], "# Autostart: none");
    EXPECT_EQ(lines[1], "    1 SPECTRUM ");
    EXPECT_EQ(lines[2], "    2 PLAY \"a\"");
    EXPECT_EQ(lines[3], "    3 IF a<=b THEN RETURN ");
    EXPECT_EQ(lines[4], " 9999 DATA NOT a OR b");
}

TEST(BasicListing, ControlCodesAndGraphicsShownAsEscapes)
{
    const std::string text =
        "\xF5\"\x10\x02r\x11\x07\x12\x01\x13\x00\x14\x01\x15\x00"s +
        "\x16\x03\x04\x17\x05\x00\x06\x08\x5E\x60\x7F\x80\x81\x87\x8F\x90\xA2\""s;
    const auto lines = listed(programLine(5, text));
    EXPECT_EQ(lines[1],
              "    5 PRINT \"\\{16}\\{2}r\\{17}\\{7}\\{18}\\{1}\\{19}\\{0}\\{20}\\{1}\\{21}\\{0}"
              "\\{22}\\{3}\\{4}\\{23}\\{5}\\{0}\\{6}\\{8}↑£©\\  \\ '\\':\\::\\A\\S\"");
}

TEST(BasicListing, VariablesAfterTheProgramAreMarkedAndDecoded)
{
    std::string program = programLine(10,
                                      "\xF1"
                                      "a=1" +
                                          smallInteger(1));
    const std::size_t programLength = program.size();
    std::string variables;
    variables += std::string("\x61\x00\x00\x2A\x00\x00", 6);  // a = 42
    variables += std::string("\x42\x02\x00hi", 5);            // b$ = "hi"
    variables += std::string(
        "\xA3"
        "o\xF5\x80\x00\x00\x00\x00",
        8);                                                                        // cou = 0.5
    variables += std::string("\x84\x08\x00\x01\x01\x00\x00\x00\x00\x00\x00", 11);  // d(1)
    variables += std::string(
        "\xE9\x00\x00\x01\x00\x00\x00\x00\x0A\x00\x00\x00\x00\x01\x00\x00"
        "\x14\x00\x02",
        19);  // FOR i = 1 TO 10 STEP 1, line 20 statement 2
    variables += "\x80";
    program += variables;
    const auto listing = listBasic(program, programLength, std::nullopt);
    EXPECT_EQ(listing.variablesLength, variables.size());
    const auto lines = basicListingText(listing);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1], "   10 LET a=1");
    EXPECT_EQ(lines[2], "# Variables area: 50 bytes");
    EXPECT_EQ(lines[3], "#   a = 42");
    EXPECT_EQ(lines[4], "#   b$ = \"hi\"");
    EXPECT_EQ(lines[5], "#   cou = 0.5");
    EXPECT_EQ(lines[6], "#   d(1) (number array)");
    EXPECT_EQ(lines[7], "#   FOR i = 1 TO 10 STEP 1, loops to line 20 statement 2");
}

TEST(BasicListing, AutostartLineTheProgramLacksAndALineCutShort)
{
    std::string program = programLine(10, "\xFB") + programLine(20, "\xFB\xFB\xFB");
    program.resize(program.size() - 2);
    const auto listing = listBasic(program, program.size(), 30);
    EXPECT_FALSE(listing.autostartFound);
    EXPECT_TRUE(listing.cutShort);
    const auto lines = basicListingText(listing);
    EXPECT_EQ(lines[0], "# Autostart: line 30 (the program has no such line)");
    EXPECT_EQ(lines[2], "   20 CLS CLS ");
    EXPECT_EQ(lines.back(), "# (the program ends inside a line)");
}

TEST(BasicListing, FiveByteNumbers)
{
    EXPECT_EQ(spectrumNumber(std::string("\x00\xFF\xFD\xFF\x00", 5)), -3);
    EXPECT_EQ(spectrumNumber(std::string("\x00\x00\xFF\xFF\x00", 5)), 65535);
    EXPECT_EQ(spectrumNumber(std::string("\x91\x00\x00\x00\x00", 5)), 65536);
    EXPECT_EQ(spectrumNumber(std::string("\x80\x00\x00\x00\x00", 5)), 0.5);
    EXPECT_EQ(spectrumNumber(std::string("\x81\xC0\x00\x00\x00", 5)), -1.5);
}

}  // namespace
}  // namespace murax::testing
