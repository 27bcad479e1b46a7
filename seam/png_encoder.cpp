// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/png_encoder.h"

namespace murax {

std::string PngEncoder::encode(int width, int height, const std::vector<std::uint8_t>& rgba)
{
    if (width <= 0 || height <= 0 ||
        rgba.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)
        return {};
    return encodeRgba(width, height, rgba.data());
}

}  // namespace murax
