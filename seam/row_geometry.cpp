// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/row_geometry.h"

#include <algorithm>

namespace murax {
namespace {

int withinVisibleArea(int y, int visibleHeight)
{
    return std::clamp(y, 0, std::max(visibleHeight - 1, 0));
}

}  // namespace

int RowGeometry::rowAt(int y) const
{
    const int offset = y - firstRowTop;
    if (offset < 0 || rowHeight <= 0)
        return -1;
    const int row = offset / rowHeight;
    return row < count ? row : -1;
}

int RowGeometry::rowForDrag(int y) const
{
    if (count == 0)
        return -1;
    const int row = rowAt(withinVisibleArea(y, visibleHeight));
    return row >= 0 ? row : count - 1;
}

int RowGeometry::gapNearest(int y) const
{
    if (count == 0)
        return 1;
    y = withinVisibleArea(y, visibleHeight);
    const int row = rowAt(y);
    if (row < 0)
        return count + 1;
    // The row's middle as a rectangle's centre falls: on the upper of the two middle pixels.
    const int middle = firstRowTop + row * rowHeight + (rowHeight - 1) / 2;
    return row + (y < middle ? 1 : 2);
}

int RowGeometry::placeBefore(int y) const
{
    const int row = rowAt(y);
    return row >= 0 ? row + 1 : count + 1;
}

int RowGeometry::dropLineY(int place) const
{
    return firstRowTop + (std::clamp(place, 1, count + 1) - 1) * rowHeight;
}

}  // namespace murax
