// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "seam/window_look.h"

namespace murax {
namespace {

TEST(WindowLook, TheWindowsPartsFitItsRowsWithoutGapOrOverlap)
{
    using namespace main_window;
    // Toolbar, then band, then list, then status bar, down to the window's last row.
    EXPECT_EQ(toolbar::kBarHeight - 1, kToolbarBottom);
    EXPECT_EQ(kBandTop, kToolbarBottom);
    EXPECT_LT(kBandBottom, kListRect.y);
    EXPECT_EQ(kListRect.y + kListRect.height, kStatusBarRect.y);
    EXPECT_EQ(kStatusBarRect.y + kStatusBarRect.height, kClientHeight);
    EXPECT_EQ(kListRect.width, kClientWidth);
    // Whole rows fill the list, and a full line and its margin fit its width.
    EXPECT_EQ(kListRect.height % kRowHeight, 0);
    EXPECT_LE(block_list::kRowWidth, kClientWidth);
    // The title band's columns span the window.
    const int columns =
        std::accumulate(title_band::kColumns.begin(), title_band::kColumns.end(), 0,
                        [](int sum, const auto& column) { return sum + column.width; });
    EXPECT_EQ(columns, kClientWidth);
}

TEST(WindowLook, AGradientRowMixesItsEndsAndRoundsHalvesUp)
{
    const Rgb top{0, 100, 255}, bottom{10, 90, 250};
    struct Case {
        int row, rows;
        Rgb expected;
    };
    for (const Case& c : {
             Case{0, 5, top},
             Case{4, 5, bottom},
             Case{1, 5, {3, 98, 254}},  // 2.5, 97.5, 253.75
             Case{2, 5, {5, 95, 253}},  // 5, 95, 252.5
             Case{0, 1, top},           // a single row takes the first colour
             Case{0, 0, top},
         })
        EXPECT_EQ(band_gradient::rowColour(top, bottom, c.row, c.rows), c.expected)
            << c.row << " of " << c.rows;
}

TEST(WindowLook, ABandShadesEachHalfBetweenItsOwnColours)
{
    using namespace band_gradient;
    for (const int rows : {18, 17, 22, 2}) {
        const int upper = (rows + 1) / 2;
        EXPECT_EQ(bandRowColour(0, rows), kUpperTop) << rows;
        EXPECT_EQ(bandRowColour(upper - 1, rows), upper > 1 ? kUpperBottom : kUpperTop) << rows;
        EXPECT_EQ(bandRowColour(upper, rows), kLowerTop) << rows;
        EXPECT_EQ(bandRowColour(rows - 1, rows), rows - upper > 1 ? kLowerBottom : kLowerTop)
            << rows;
    }
    // Within a half every channel moves one way, from the first row to the last.
    for (int row = 1; row < 9; ++row) {
        const Rgb above = bandRowColour(row - 1, 18), here = bandRowColour(row, 18);
        EXPECT_LE(here.red, above.red);
        EXPECT_LE(here.green, above.green);
        EXPECT_LE(here.blue, above.blue);
    }
}

}  // namespace
}  // namespace murax
