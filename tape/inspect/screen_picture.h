// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace murax {

// The Spectrum's screen memory: 6144 bytes of pixels, then 768 of attributes.
constexpr std::size_t kScreenPixelBytes = 6144;
constexpr std::size_t kScreenBytes = 6912;
constexpr int kScreenWidth = 256;
constexpr int kScreenHeight = 192;

// A decoded screen: 256 x 192 pixels, row by row from the top, four bytes each (red, green, blue,
// alpha 255), ready for an image of 8-bit RGBA.
struct ScreenPicture {
    std::vector<std::uint8_t> rgba;

    std::uint32_t pixel(int x, int y) const;  // 0xRRGGBB
};

// The colour of Spectrum colour 0-7, normal or bright, as 0xRRGGBB.
std::uint32_t spectrumColour(unsigned colour, bool bright);

// Draws screen memory: each pixel in its character cell's ink or paper, bright as the attribute
// says; a flashing cell as in the first phase of its flash (ink and paper not swapped). Without
// attributes (6144 bytes) every cell is black ink on white paper, as the Spectrum starts. Nothing
// for any other size.
std::optional<ScreenPicture> decodeScreen(std::string_view data);

}  // namespace murax
