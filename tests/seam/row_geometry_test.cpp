// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/row_geometry.h"

#include <gtest/gtest.h>

namespace murax {
namespace {

// Five rows of 16 pixels in a view 200 high, not scrolled: rows end at 15, 31, 47, 63, 79.
constexpr RowGeometry kShort{5, 16, 0, 200};
// A thousand rows scrolled so that row 10 is at the top of a view 100 high.
constexpr RowGeometry kScrolled{1000, 16, -160, 100};
// Scrolled by pixels rather than whole rows: row 0 ends 6 pixels into the view.
constexpr RowGeometry kPartly{3, 16, -10, 100};

constexpr RowGeometry kEmpty{0, 16, 0, 100};

// The row under the pointer; for a drag, kept within the view and reaching the last row from
// below them; the gap moved rows land in (a row's upper half is its first seven pixels: the
// middle of 16 falls on its eighth); the place dropped files go before; the drop line's height.
TEST(RowGeometry, PlacesUnderThePointer)
{
    using G = RowGeometry;
    const struct {
        int (RowGeometry::*method)(int) const;
        const char* what;
        RowGeometry rows;
        int y;  // or the place, for the drop line
        int expected;
    } cases[] = {
        {&G::rowAt, "first pixel", kShort, 0, 0},
        {&G::rowAt, "last pixel of row 0", kShort, 15, 0},
        {&G::rowAt, "first of row 1", kShort, 16, 1},
        {&G::rowAt, "last row", kShort, 79, 4},
        {&G::rowAt, "below the rows", kShort, 80, -1},
        {&G::rowAt, "above the view", kShort, -1, -1},
        {&G::rowAt, "scrolled top", kScrolled, 0, 10},
        {&G::rowAt, "scrolled", kScrolled, 99, 16},
        {&G::rowAt, "partly scrolled", kPartly, 5, 0},
        {&G::rowAt, "partly, next", kPartly, 6, 1},
        {&G::rowAt, "empty list", kEmpty, 0, -1},
        {&G::rowForDrag, "drag on a row", kShort, 40, 2},
        {&G::rowForDrag, "drag below the rows", kShort, 150, 4},
        {&G::rowForDrag, "drag below the view", kShort, 500, 4},
        {&G::rowForDrag, "drag above the view: the top row in sight", kScrolled, -30, 10},
        {&G::rowForDrag, "drag below, scrolled: the bottom row in sight", kScrolled, 400, 16},
        {&G::rowForDrag, "drag in an empty list", kEmpty, 10, -1},
        {&G::gapNearest, "top of row 0", kShort, 0, 1},
        {&G::gapNearest, "upper half of row 0", kShort, 6, 1},
        {&G::gapNearest, "lower half of row 0", kShort, 7, 2},
        {&G::gapNearest, "bottom of row 0", kShort, 15, 2},
        {&G::gapNearest, "upper half of row 2", kShort, 33, 3},
        {&G::gapNearest, "lower half of the last", kShort, 79, 6},
        {&G::gapNearest, "gap below the rows", kShort, 120, 6},
        {&G::gapNearest, "gap below the view", kShort, 900, 6},
        {&G::gapNearest, "gap above the view", kScrolled, -5, 11},
        {&G::gapNearest, "gap, scrolled", kScrolled, 16 + 8, 13},
        {&G::gapNearest, "gap, row 0's middle out of sight", kPartly, 0, 2},
        {&G::gapNearest, "gap in an empty list", kEmpty, 30, 1},
        {&G::placeBefore, "drop on row 0", kShort, 15, 1},
        {&G::placeBefore, "drop on row 3", kShort, 50, 4},
        {&G::placeBefore, "drop below", kShort, 80, 6},
        {&G::placeBefore, "drop, scrolled", kScrolled, 0, 11},
        {&G::placeBefore, "drop in an empty list", kEmpty, 0, 1},
        {&G::dropLineY, "line before row 1", kShort, 1, 0},
        {&G::dropLineY, "line before row 3", kShort, 3, 32},
        {&G::dropLineY, "line after the last", kShort, 6, 80},
        {&G::dropLineY, "line past the end", kShort, 60, 80},
        {&G::dropLineY, "line, scrolled", kScrolled, 12, 16},
        {&G::dropLineY, "line out of sight above", kScrolled, 1, -160},
    };
    for (const auto& c : cases)
        EXPECT_EQ((c.rows.*c.method)(c.y), c.expected) << c.what;
}

}  // namespace
}  // namespace murax
