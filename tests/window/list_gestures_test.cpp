// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/list_gestures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace murax {
namespace {

// Five rows of 10 pixels in a view 100 high; rows 1 and 3 (from 0) are not selected.
constexpr RowGeometry kRows{5, 10, 0, 100};
constexpr bool kSelected[] = {true, false, true, false, true};

// A press ('p') at x, y, with Ctrl or Shift held; a move ('m') to x, y with the button down; a
// release ('r'); a cancel ('c').
struct Step {
    char kind;
    int x = 0, y = 0;
    bool control = false, shift = false;
};

// What the gesture says to a step: "held", or "free" (the list's own), to a press; "lineN" when
// the drop line moves to the gap before row N, "-" otherwise, to a move; "selectN", "dropN", "-",
// or "free" when nothing was held, to a release; "hide" to a cancel that takes a line away.
std::string said(RowDrag& drag, const Step& step)
{
    using K = RowDrag::Release::Kind;
    const int row = kRows.rowAt(step.y);
    const bool selected = row >= 0 && kSelected[row];
    if (step.kind == 'p')
        return drag.press({{step.x, step.y}, row, selected, step.control, step.shift}, {3, 2})
                   ? "held"
                   : "free";
    if (step.kind == 'm')
        return drag.move({step.x, step.y}, kRows) ? "line" + std::to_string(drag.dropLine()) : "-";
    if (step.kind == 'c')
        return drag.cancel() ? "hide" : "-";
    if (!drag.held())
        return "free";
    const RowDrag::Release release = drag.release();
    const std::string at = std::to_string(release.position);
    return release.kind == K::SelectAlone ? "select" + at
           : release.kind == K::Drop      ? "drop" + at
                                          : "-";
}

TEST(RowDrag, PressesMovesAndReleasesComeToASelectionADropOrNothing)
{
    const Step r{'r'}, c{'c'};
    const struct {
        const char* what;
        std::vector<Step> steps;
        const char* says;
    } cases[] = {
        {"a click on a selected row selects it alone", {{'p', 9, 25}, r}, "held select3"},
        {"within the slack (3 across, 2 down) it is still a click",
         {{'p', 9, 25}, {'m', 12, 27}, {'m', 6, 23}, r},
         "held - - select3"},
        {"past it down, the line shows the nearest gap",
         {{'p', 9, 25}, {'m', 9, 28}, r},
         "held line4 drop4"},
        {"past it across", {{'p', 9, 21}, {'m', 13, 21}, r}, "held line3 drop3"},
        {"the line moves only when the gap does",
         {{'p', 9, 5}, {'m', 9, 15}, {'m', 9, 16}, {'m', 9, 31}, r},
         "held line3 - line4 drop4"},
        {"below the rows and the view: after the last",
         {{'p', 9, 5}, {'m', 9, 300}, r},
         "held line6 drop6"},
        {"with Ctrl the press is the list's", {{'p', 9, 25, true}, {'m', 9, 45}, r}, "free - free"},
        {"with Shift too", {{'p', 9, 25, false, true}, r}, "free free"},
        {"on a row not selected", {{'p', 9, 15}, {'m', 9, 45}, r}, "free - free"},
        {"below the rows", {{'p', 9, 70}, r}, "free free"},
        {"a cancel takes the line away; the release is the list's",
         {{'p', 9, 25}, {'m', 9, 41}, c, r},
         "held line5 hide free"},
        {"a cancel before the drag has nothing to hide", {{'p', 9, 25}, c, r}, "held - free"},
        {"a new press starts afresh",
         {{'p', 9, 25}, {'m', 9, 41}, {'p', 9, 5}, r},
         "held line5 held select1"},
    };
    for (const auto& test : cases) {
        RowDrag drag;
        std::string says;
        for (const Step& step : test.steps)
            says += (says.empty() ? "" : " ") + said(drag, step);
        EXPECT_EQ(says, test.says) << test.what;
        EXPECT_EQ(drag.dropLine(), 0) << test.what;
    }
}

}  // namespace
}  // namespace murax
