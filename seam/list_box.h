// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "tape/format/display_line.h"

namespace murax {

// The block list box as the commands use it. Positions count from 1. It follows the rules of a
// standard extended-selection list box: a reload clears the selection and leaves no current row;
// select adds a row to the selection, makes it current and scrolls it into view.
class ListBox {
public:
    virtual ~ListBox() = default;
    virtual int currentPosition() const = 0;  // 0 when there is no current row
    virtual int count() const = 0;
    virtual std::vector<int> selectedPositions() const = 0;  // ascending
    virtual void reload(const DisplayLines& lines) = 0;
    virtual void select(int position) = 0;  // does nothing on an empty list
    // Adds the rows at `positions` to the selection at once and makes `current` the current row,
    // scrolled into view, selected or not (0: none); positions outside the list are passed over.
    // After a reload this brings back a selection as it was.
    virtual void selectRows(const std::vector<int>& positions, int current) = 0;
    virtual void suspendRedraw() = 0;
    virtual void resumeRedraw() = 0;
};

}  // namespace murax
