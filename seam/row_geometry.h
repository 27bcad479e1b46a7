// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace murax {

// The rows of a list box as they lie on the screen, for working out what a pointer is over while
// it drags: every row `rowHeight` pixels high, row 0 with its top at `firstRowTop` in the
// coordinates of the list's visible area (above 0 once the list has scrolled), the visible area
// `visibleHeight` pixels high. Rows count from 0 here; the places that a drop lands before count
// from 1, as a list box's positions do, and count + 1 is the place after the last row.
struct RowGeometry {
    int count = 0;
    int rowHeight = 1;
    int firstRowTop = 0;
    int visibleHeight = 0;

    // The row at height `y`; -1 above the first row or below the last.
    int rowAt(int y) const;

    // The row a selecting drag has reached with the pointer at `y`: the pointer counts as within
    // the visible area when it has left it, and below the last row as on it. -1 for an empty list.
    int rowForDrag(int y) const;

    // Where dragged rows land when let go at `y` (kept within the visible area, as for the drag):
    // at the gap between rows nearest the pointer, that is before the row under it when the
    // pointer is in that row's upper half and after it otherwise; after the last row when below
    // it; 1 in an empty list.
    int gapNearest(int y) const;

    // Where dropped files land when let go at `y`: before the row under the pointer, or after the
    // last row when there is none.
    int placeBefore(int y) const;

    // The height at which a drop before `place` is shown: the top of the row at that place, or
    // just below the last row for the place after it.
    int dropLineY(int place) const;
};

}  // namespace murax
