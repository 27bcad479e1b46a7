// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace murax {

// Makes a picture into the bytes of a PNG file with what the platform has for it: each front end
// provides one (the Qt window through QImage), so no encoder is carried twice.
class PngEncoder {
public:
    virtual ~PngEncoder() = default;

    // `width` x `height` pixels, row by row from the top, four bytes each (red, green, blue,
    // alpha). Empty when it cannot be encoded, a picture whose bytes do not match its size among
    // them.
    std::string encode(int width, int height, const std::vector<std::uint8_t>& rgba);

protected:
    // Called only with a picture of at least one pixel whose bytes match its size.
    virtual std::string encodeRgba(int width, int height, const std::uint8_t* rgba) = 0;
};

}  // namespace murax
