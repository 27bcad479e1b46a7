// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/list_box.h"
#include "tape/model/block_list.h"

namespace murax {

// Gathers the changes a command makes to the list, from its construction to its end, into one
// undo step, with the rows selected before (as the list box shows them now, or as the command
// read them) and after (as the list box shows them when the step ends). A command that changes
// nothing leaves no step. A step made while another is gathering (a command that runs another)
// joins it, so that one undo takes back the whole command.
class UndoStep {
public:
    UndoStep(BlockList& list, ListBox& box);
    UndoStep(BlockList& list, ListBox& box, RowSelection before);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    BlockList& list_;
    ListBox& box_;
};

// The rows the list box shows selected and its current row, now.
RowSelection rowsShown(const ListBox& box);

}  // namespace murax
