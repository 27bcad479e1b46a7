// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "seam/row_geometry.h"

namespace murax {

// A point in the list's visible area, in its pixels.
struct ListPoint {
    int x = 0;
    int y = 0;
};

// A left-button press on the list, and what the pointer did after it, the same on every face. A
// plain press on a selected row is held until it is clear whether it is a click or the start of
// a drag of the selected rows: a release where the pointer stayed near the press selects that
// row alone, as a click does; once the pointer has strayed, a line shows the gap between rows
// nearest the pointer, and a release drops the rows there. Any other press is not this gesture's:
// the list selects as list boxes do. The face feeds it its events and draws the line it says.
class RowDrag {
public:
    // How far the pointer may stray from the press, across and down, and still make a click:
    // the system's own distances.
    struct Slack {
        int across = 0;
        int down = 0;
    };

    struct Press {
        ListPoint at;
        int row = -1;  // the row under the pointer, from 0; -1 for none
        bool rowSelected = false;
        bool control = false;
        bool shift = false;
    };

    // What a release of a held press comes to.
    struct Release {
        enum class Kind { Nothing, SelectAlone, Drop };
        Kind kind = Kind::Nothing;
        // The row to select alone, or the place the rows are dropped before (both from 1).
        int position = 0;
    };

    // True when the press is held: the list is to leave its selection as it is.
    bool press(const Press& press, Slack slack);
    // The pointer at `at` with the button down, over rows that lie as `rows` does now. True when
    // the drop line has moved, to be drawn again.
    bool move(ListPoint at, const RowGeometry& rows);
    // The button let go. The drop line, if any, is gone afterwards.
    Release release();
    // The press ends without a release (the pointer was taken away, the list reloaded). True
    // when a drop line was showing, to be drawn away.
    bool cancel();

    // Whether a press is held: the moves and the release that follow are this gesture's.
    bool held() const { return held_; }
    // Whether the held press has become a drag of the rows.
    bool moving() const { return moving_; }
    // The place (from 1) before which the drop line is drawn; 0 while none is.
    int dropLine() const { return dropLine_; }

private:
    bool held_ = false;
    bool moving_ = false;
    int pressedRow_ = -1;
    ListPoint pressedAt_;
    Slack slack_;
    int dropLine_ = 0;
};

// Files let go over the list. They are read only once the drop has returned: reading may show a
// message box, and the program the files came from waits until the drop is answered. Each drop
// waits in turn, so that two in quick succession are both read, in the order they came.
class FileDrops {
public:
    struct Drop {
        std::vector<std::string> files;
        int beforePosition = 0;  // from 1; one past the last row for the end
    };

    // Files let go at height `y` over rows that lie as `rows`: they go before the row under the
    // pointer, or after the last row when there is none (an empty list of files is no drop).
    // The face then waits for its event to return and calls `takeOldest`.
    void dropped(std::vector<std::string> files, int y, const RowGeometry& rows);
    // The drop that has waited longest, taken; nothing when none waits.
    std::optional<Drop> takeOldest();

private:
    std::deque<Drop> waiting_;
};

// Where the keyboard's menu key opens the list's context menu, in a list `width` pixels wide:
// the middle of the current row `currentPosition` (from 1), or the list's top left corner
// without one.
ListPoint menuKeyPlace(const RowGeometry& rows, int width, int currentPosition);

}  // namespace murax
