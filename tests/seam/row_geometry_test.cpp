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

struct Case {
    const char* what;
    RowGeometry rows;
    int y;  // or the place, for the drop line
    int expected;
};

void expectEach(int (RowGeometry::*method)(int) const, std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ((c.rows.*method)(c.y), c.expected) << c.what;
}

TEST(RowGeometry, RowUnderThePointer)
{
    expectEach(&RowGeometry::rowAt, {
                                        {"first pixel", kShort, 0, 0},
                                        {"last pixel of row 0", kShort, 15, 0},
                                        {"first of row 1", kShort, 16, 1},
                                        {"last row", kShort, 79, 4},
                                        {"below the rows", kShort, 80, -1},
                                        {"above the view", kShort, -1, -1},
                                        {"scrolled top", kScrolled, 0, 10},
                                        {"scrolled", kScrolled, 99, 16},
                                        {"partly scrolled", kPartly, 5, 0},
                                        {"partly, next", kPartly, 6, 1},
                                        {"empty list", {0, 16, 0, 100}, 0, -1},
                                    });
}

TEST(RowGeometry, ADragStaysWithinTheViewAndBelowTheRowsReachesTheLast)
{
    expectEach(
        &RowGeometry::rowForDrag,
        {
            {"on a row", kShort, 40, 2},
            {"below the rows", kShort, 150, 4},
            {"below the view", kShort, 500, 4},
            {"above the view", kScrolled, -30, 10},   // the top row in sight, not one out of it
            {"below, scrolled", kScrolled, 400, 16},  // the bottom row in sight
            {"empty list", {0, 16, 0, 100}, 10, -1},
        });
}

TEST(RowGeometry, MovedRowsLandAtTheNearestGap)
{
    // A row's upper half is its first seven pixels: the middle of 16 falls on its eighth.
    expectEach(&RowGeometry::gapNearest,
               {
                   {"top of row 0", kShort, 0, 1},
                   {"upper half of row 0", kShort, 6, 1},
                   {"lower half of row 0", kShort, 7, 2},
                   {"bottom of row 0", kShort, 15, 2},
                   {"upper half of row 2", kShort, 33, 3},
                   {"lower half of the last", kShort, 79, 6},
                   {"below the rows", kShort, 120, 6},
                   {"below the view", kShort, 900, 6},
                   {"above the view", kScrolled, -5, 11},
                   {"scrolled", kScrolled, 16 + 8, 13},
                   {"partly scrolled", kPartly, 0, 2},  // row 0's middle has gone out of sight
                   {"empty list", {0, 16, 0, 100}, 30, 1},
               });
}

TEST(RowGeometry, DroppedFilesGoBeforeTheRowUnderThePointerOrAfterTheLast)
{
    expectEach(&RowGeometry::placeBefore, {
                                              {"row 0", kShort, 15, 1},
                                              {"row 3", kShort, 50, 4},
                                              {"below", kShort, 80, 6},
                                              {"scrolled", kScrolled, 0, 11},
                                              {"empty list", {0, 16, 0, 100}, 0, 1},
                                          });
}

TEST(RowGeometry, TheDropLineLiesOnTheTopOfItsRowOrBelowTheLast)
{
    expectEach(&RowGeometry::dropLineY, {
                                            {"before row 1", kShort, 1, 0},
                                            {"before row 3", kShort, 3, 32},
                                            {"after the last", kShort, 6, 80},
                                            {"past the end", kShort, 60, 80},
                                            {"scrolled", kScrolled, 12, 16},
                                            {"out of sight above", kScrolled, 1, -160},
                                        });
}

}  // namespace
}  // namespace murax
