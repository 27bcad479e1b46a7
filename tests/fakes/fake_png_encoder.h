// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "seam/png_encoder.h"

namespace murax::testing {

// Stands for a platform's PNG encoder: its "file" is "png WxH:" and the pixel bytes, or nothing
// once `fails` is set.
class FakePngEncoder : public PngEncoder {
public:
    bool fails = false;

protected:
    std::string encodeRgba(int width, int height, const std::uint8_t* rgba) override
    {
        if (fails)
            return {};
        return "png " + std::to_string(width) + "x" + std::to_string(height) + ":" +
               std::string(reinterpret_cast<const char*>(rgba),
                           static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    }
};

}  // namespace murax::testing
