// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/undo_step.h"

#include <utility>

namespace murax {

RowSelection rowsShown(const ListBox& box)
{
    return {box.selectedPositions(), box.currentPosition()};
}

UndoStep::UndoStep(BlockList& list, ListBox& box) : UndoStep(list, box, rowsShown(box)) {}

UndoStep::UndoStep(BlockList& list, ListBox& box, RowSelection before) : list_(list), box_(box)
{
    list_.beginStep(std::move(before));
}

UndoStep::~UndoStep()
{
    RowSelection after;
    try {
        after = rowsShown(box_);
    } catch (...) {
        // The step is kept all the same: it is what takes the change back. Redoing it then
        // selects nothing.
    }
    list_.endStep(std::move(after));
}

}  // namespace murax
