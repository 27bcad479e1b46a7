// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/window_placement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace murax {

void PrintTo(const PixelRect& rect, std::ostream* out)
{
    *out << rect.width << "x" << rect.height << " at " << rect.x << "," << rect.y;
}

namespace {

// A screen of 1024 x 768 with a task bar 40 pixels high along its bottom.
constexpr PixelRect kWork{0, 0, 1024, 728};
// The same screen as a second monitor, right of a first one and with its task bar at the top.
constexpr PixelRect kSecondWork{1920, 30, 1024, 738};

TEST(WindowPlacement, CentredOverTheOwnerAndKeptOnTheScreen)
{
    const struct {
        const char* what;
        PixelRect owner;
        int width, height;
        PixelRect work;
        PixelRect expected;
    } cases[] = {
        {"centred", {100, 100, 452, 631}, 216, 118, kWork, {218, 356, 216, 118}},
        {"odd difference rounds towards the owner's top-left",
         {0, 0, 11, 11},
         4,
         4,
         kWork,
         {3, 3, 4, 4}},
        {"owner half off the left edge",
         {-300, 100, 400, 300},
         300,
         100,
         kWork,
         {0, 200, 300, 100}},
        {"owner under the task bar", {500, 600, 400, 300}, 200, 200, kWork, {600, 528, 200, 200}},
        {"larger than the owner", {400, 300, 100, 100}, 300, 200, kWork, {300, 250, 300, 200}},
        {"larger than the screen", {100, 100, 300, 300}, 2000, 900, kWork, {0, 0, 1024, 728}},
        {"second monitor", {2000, 20, 400, 100}, 200, 100, kSecondWork, {2100, 30, 200, 100}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(centredOver(c.owner, c.width, c.height, c.work), c.expected) << c.what;
}

TEST(WindowPlacement, BesideTheOwnerWhereThereIsRoomAndOverItAsLittleAsCanBe)
{
    const struct {
        const char* what;
        PixelRect owner;
        int width, height;
        PixelRect work;
        PixelRect expected;
    } cases[] = {
        {"right of it", {0, 50, 400, 600}, 600, 700, kWork, {400, 28, 600, 700}},
        {"right of it, level with its top",
         {10, 20, 400, 600},
         600,
         300,
         kWork,
         {410, 20, 600, 300}},
        {"right fits exactly", {0, 0, 424, 600}, 600, 300, kWork, {424, 0, 600, 300}},
        {"left of it when the right is short",
         {500, 0, 400, 600},
         480,
         300,
         kWork,
         {20, 0, 480, 300}},
        {"neither side: the wider room, right",
         {280, 40, 452, 631},
         640,
         700,
         kWork,
         {384, 28, 640, 700}},
        {"neither side: the wider room, left",
         {400, 40, 452, 631},
         640,
         700,
         kWork,
         {0, 28, 640, 700}},
        {"taller than the screen", {0, 0, 300, 300}, 600, 800, kWork, {300, 0, 600, 728}},
        {"wider than the screen", {0, 0, 300, 300}, 1200, 300, kWork, {0, 0, 1024, 300}},
        {"second monitor, right of the owner",
         {1920, 0, 400, 600},
         600,
         300,
         kSecondWork,
         {2320, 30, 600, 300}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(besideWithin(c.owner, c.width, c.height, c.work), c.expected) << c.what;
}

}  // namespace
}  // namespace murax
