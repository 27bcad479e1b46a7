// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/screen_picture.h"

#include <gtest/gtest.h>

#include <string>

namespace murax::testing {
namespace {

// The screen address of pixel row y, character column `column`, built the way the Spectrum's
// manual draws it: 010 y7 y6 y2 y1 y0 | y5 y4 y3 x4 x3 x2 x1 x0, less the screen's 0x4000.
std::size_t byteAddress(int y, int column)
{
    const int y76 = (y >> 6) & 3, y210 = y & 7, y543 = (y >> 3) & 7;
    return static_cast<std::size_t>((y76 << 11) | (y210 << 8) | (y543 << 5) | column);
}

// The picture composed independently: a diagonal-ish pattern of set pixels and one attribute
// for each cell, ink and paper and bright varying from cell to cell, some cells flashing.
struct Composed {
    std::string memory = std::string(kScreenBytes, '\0');
    bool set(int x, int y) const { return (x * 7 + y * 3) % 5 == 0; }
    unsigned attribute(int column, int row) const
    {
        return static_cast<unsigned>((column * 5 + row * 3) & 0xFF);
    }
    Composed()
    {
        for (int y = 0; y < kScreenHeight; ++y)
            for (int x = 0; x < kScreenWidth; ++x)
                if (set(x, y))
                    memory[byteAddress(y, x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        for (int row = 0; row < 24; ++row)
            for (int column = 0; column < 32; ++column)
                memory[kScreenPixelBytes + static_cast<std::size_t>(row * 32 + column)] =
                    static_cast<char>(attribute(column, row));
    }
};

// The Spectrum's colours: levels 0xD7 normal and 0xFF bright; bit 0 blue, 1 red, 2 green.
std::uint32_t expectedColour(unsigned colour, bool bright)
{
    const std::uint32_t level = bright ? 0xFF : 0xD7;
    const std::uint32_t red = (colour >> 1) & 1, green = (colour >> 2) & 1, blue = colour & 1;
    return red * level << 16 | green * level << 8 | blue * level;
}

TEST(ScreenPicture, EveryPixelInItsCellsInkOrPaper)
{
    const Composed screen;
    const auto picture = decodeScreen(screen.memory);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->rgba.size(), 4u * 256 * 192);
    int wrong = 0;
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x) {
            const unsigned attribute = screen.attribute(x / 8, y / 8);
            const bool bright = attribute & 0x40;
            // Flash (bit 7) in its first phase: ink and paper as they are.
            const std::uint32_t expected = screen.set(x, y)
                                               ? expectedColour(attribute & 7, bright)
                                               : expectedColour((attribute >> 3) & 7, bright);
            if (picture->pixel(x, y) != expected && ++wrong < 5)
                ADD_FAILURE() << "pixel " << x << "," << y;
            EXPECT_EQ(
                picture->rgba[4u * (static_cast<unsigned>(y) * 256 + static_cast<unsigned>(x)) + 3],
                0xFF);
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(ScreenPicture, PixelsAloneAreBlackOnWhiteAndOtherSizesAreNoScreen)
{
    const Composed screen;
    const auto picture = decodeScreen(std::string_view(screen.memory).substr(0, kScreenPixelBytes));
    ASSERT_TRUE(picture);
    for (int y = 0; y < kScreenHeight; y += 7)
        for (int x = 0; x < kScreenWidth; x += 3)
            EXPECT_EQ(picture->pixel(x, y), screen.set(x, y) ? 0x000000u : 0xD7D7D7u);
    EXPECT_FALSE(decodeScreen(std::string(6911, '\0')));
    EXPECT_FALSE(decodeScreen(""));
}

}  // namespace
}  // namespace murax::testing
