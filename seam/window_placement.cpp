// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/window_placement.h"

#include <algorithm>

namespace murax {
namespace {

// `start` moved as little as it takes for `length` to lie within `from` .. `from + room`.
int within(int start, int length, int from, int room)
{
    return std::clamp(start, from, from + std::max(room - length, 0));
}

}  // namespace

PixelRect keptWithin(PixelRect window, const PixelRect& workArea)
{
    window.width = std::min(window.width, workArea.width);
    window.height = std::min(window.height, workArea.height);
    window.x = within(window.x, window.width, workArea.x, workArea.width);
    window.y = within(window.y, window.height, workArea.y, workArea.height);
    return window;
}

PixelRect centredOver(const PixelRect& owner, int width, int height, const PixelRect& workArea)
{
    return keptWithin(
        {owner.x + (owner.width - width) / 2, owner.y + (owner.height - height) / 2, width, height},
        workArea);
}

PixelRect besideWithin(const PixelRect& owner, int width, int height, const PixelRect& workArea)
{
    const int ownerRight = owner.x + owner.width;
    const int roomRight = workArea.x + workArea.width - ownerRight;
    const int roomLeft = owner.x - workArea.x;
    int x = 0;
    if (width <= roomRight)
        x = ownerRight;
    else if (width <= roomLeft)
        x = owner.x - width;
    else if (roomRight >= roomLeft)
        x = workArea.x + workArea.width - width;
    else
        x = workArea.x;
    return keptWithin({x, owner.y, width, height}, workArea);
}

}  // namespace murax
