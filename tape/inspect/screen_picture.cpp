// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/screen_picture.h"

namespace murax {
namespace {

// Black ink on white paper, not bright, not flashing.
constexpr unsigned kStartAttribute = 0x38;
// The level of a colour's red, green or blue on a normal and on a bright cell.
constexpr std::uint32_t kNormalLevel = 0xD7;
constexpr std::uint32_t kBrightLevel = 0xFF;

// The address of a pixel row within the pixel bytes: the screen is three thirds of 64 rows; in
// each, the rows go by character row, then by pixel line within it.
std::size_t rowOffset(int y)
{
    return static_cast<std::size_t>(((y & 0xC0) << 5) | ((y & 0x07) << 8) | ((y & 0x38) << 2));
}

}  // namespace

std::uint32_t spectrumColour(unsigned colour, bool bright)
{
    // Bit 0 blue, bit 1 red, bit 2 green.
    const std::uint32_t level = bright ? kBrightLevel : kNormalLevel;
    return ((colour & 2u) ? level << 16 : 0u) | ((colour & 4u) ? level << 8 : 0u) |
           ((colour & 1u) ? level : 0u);
}

std::uint32_t ScreenPicture::pixel(int x, int y) const
{
    const std::size_t at =
        4u * (static_cast<std::size_t>(y) * kScreenWidth + static_cast<std::size_t>(x));
    return (std::uint32_t{rgba[at]} << 16) | (std::uint32_t{rgba[at + 1]} << 8) | rgba[at + 2];
}

std::optional<ScreenPicture> decodeScreen(std::string_view data)
{
    if (data.size() != kScreenBytes && data.size() != kScreenPixelBytes)
        return std::nullopt;
    const bool attributes = data.size() == kScreenBytes;
    ScreenPicture picture;
    picture.rgba.resize(4u * kScreenWidth * kScreenHeight);
    std::uint8_t* out = picture.rgba.data();
    for (int y = 0; y < kScreenHeight; ++y) {
        const std::size_t row = rowOffset(y);
        for (int column = 0; column < kScreenWidth / 8; ++column) {
            const unsigned bits =
                static_cast<unsigned char>(data[row + static_cast<std::size_t>(column)]);
            const unsigned attribute =
                attributes
                    ? static_cast<unsigned char>(
                          data[kScreenPixelBytes + static_cast<std::size_t>((y / 8) * 32 + column)])
                    : kStartAttribute;
            const bool bright = (attribute & 0x40u) != 0;
            const std::uint32_t ink = spectrumColour(attribute & 7u, bright);
            const std::uint32_t paper = spectrumColour((attribute >> 3) & 7u, bright);
            for (int bit = 7; bit >= 0; --bit) {
                const std::uint32_t colour = (bits >> bit) & 1u ? ink : paper;
                *out++ = static_cast<std::uint8_t>(colour >> 16);
                *out++ = static_cast<std::uint8_t>(colour >> 8);
                *out++ = static_cast<std::uint8_t>(colour);
                *out++ = 0xFF;
            }
        }
    }
    return picture;
}

}  // namespace murax
