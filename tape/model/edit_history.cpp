// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/model/edit_history.h"

#include <utility>

namespace murax {

void EditHistory::begin(RowSelection before)
{
    if (gathering_) {
        ++joined_;
        return;
    }
    // The stack's room for the step is made now: closing the step must not fail once the list
    // has changed.
    undoable_.reserve(undoable_.size() + 1);
    gathered_ = EditStep{};
    gathered_.before = std::move(before);
    gathering_ = true;
}

void EditHistory::reserveChange(std::size_t changes)
{
    gathered_.changes.reserve(gathered_.changes.size() + changes);
}

void EditHistory::note(ListChange change) noexcept
{
    gathered_.changes.push_back(std::move(change));
}

void EditHistory::end(RowSelection after) noexcept
{
    if (joined_ > 0) {
        --joined_;
        return;
    }
    gathering_ = false;
    if (gathered_.changes.empty())
        return;
    gathered_.after = std::move(after);
    undoable_.push_back(std::move(gathered_));
    redoable_.clear();
    gathered_ = EditStep{};
}

void EditHistory::clear() noexcept
{
    undoable_.clear();
    redoable_.clear();
    gathered_.changes.clear();
}

EditStep* EditHistory::stepToUndo()
{
    if (undoable_.empty())
        return nullptr;
    redoable_.reserve(redoable_.size() + 1);
    return &undoable_.back();
}

EditStep* EditHistory::stepToRedo()
{
    if (redoable_.empty())
        return nullptr;
    undoable_.reserve(undoable_.size() + 1);
    return &redoable_.back();
}

void EditHistory::undone() noexcept
{
    redoable_.push_back(std::move(undoable_.back()));
    undoable_.pop_back();
}

void EditHistory::redone() noexcept
{
    undoable_.push_back(std::move(redoable_.back()));
    redoable_.pop_back();
}

}  // namespace murax
