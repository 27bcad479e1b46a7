// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/png_encoder.h"

namespace murax {

// PNG files made with QImage, which the Qt window has at hand.
class QtPngEncoder : public PngEncoder {
protected:
    std::string encodeRgba(int width, int height, const std::uint8_t* rgba) override;
};

}  // namespace murax
