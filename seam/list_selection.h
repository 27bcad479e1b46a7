// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace murax {

// The selection of an extended-selection list box, one bit per row (rows count from 0), with the
// usual desktop rules for the anchor: a click or a plain cursor move selects one row and makes it
// the anchor; Ctrl+click toggles a row and makes it the anchor; Shift extends from the anchor to a
// row, replacing what the previous extension from that anchor selected, and keeps the rows
// selected before the extension began only when Ctrl is held too.
//
// A list box could keep its selection as ranges of rows, but selecting every other row of a
// million then makes half a million ranges; a bit per row costs 125 KiB at that size whatever the
// pattern, and reading it back is a pass over 16 thousand words.
class ListSelection {
public:
    // `rows` rows, none selected, no anchor.
    void reset(int rows);
    int rows() const { return rows_; }

    bool contains(int row) const;
    // The selected rows, ascending.
    std::vector<int> selectedRows() const;

    // Adds `row` to the selection and makes it the anchor.
    void add(int row);
    // Flips `row` and makes it the anchor; returns whether it is selected now.
    bool toggle(int row);
    // Leaves only `row` selected and makes it the anchor.
    void selectOnly(int row);
    void selectAll();
    void clear();

    // Selects the rows from the anchor to `row` (the anchor is row 0 when there is none), or
    // deselects them when `select` is false. The rows a previous extension from the same anchor
    // changed go back to how they were, so dragging back shrinks the range. Rows outside the range
    // keep their state if `keepOthers`; otherwise they are deselected.
    void extendTo(int row, bool keepOthers, bool select = true);

private:
    using Word = std::uint64_t;
    static constexpr int kWordBits = 64;

    bool valid(int row) const { return row >= 0 && row < rows_; }
    void setBit(int row, bool on);
    void setRange(int first, int last, bool on);
    void setAnchor(int row);

    int rows_ = 0;
    std::vector<Word> words_;
    int anchor_ = -1;
    // The selection as it was when the current extension from the anchor began.
    bool extending_ = false;
    std::vector<Word> beforeExtension_;
};

}  // namespace murax
