// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <utility>

#include "tape/inspect/screen_picture.h"

namespace murax::testing {

// The first pixel where a picture of the screen drawn `scale` times its size, read as 0xRRGGBB
// by `pixelAt(x, y)`, differs from the screen's own picture; nothing where none does.
template <class PixelAt>
std::optional<std::pair<int, int>> firstDifference(const ScreenPicture& expected, int scale,
                                                   PixelAt pixelAt)
{
    for (int y = 0; y < kScreenHeight * scale; ++y)
        for (int x = 0; x < kScreenWidth * scale; ++x)
            if (pixelAt(x, y) != expected.pixel(x / scale, y / scale))
                return std::pair{x, y};
    return std::nullopt;
}

}  // namespace murax::testing
