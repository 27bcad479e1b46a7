// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tape/format/display_line.h"

namespace murax {

// The rows of the block list box as a command found them or left them: the selected positions,
// ascending, and the current position (0: none). Positions count from 1.
struct RowSelection {
    std::vector<int> selected;
    int current = 0;
};

// Entries with their lines, kept outside the list: the ones an edit removed while it stands, the
// ones it added while it is taken back, or the other version of a replaced entry. They are moved
// between the list and the history, never copied.
struct HeldEntries {
    DisplayLines lines;
    std::vector<std::string> entries;
};

// One change a BlockList operation made, with what it takes to take it back and make it again.
struct ListChange {
    enum class Kind { Inserted, Removed, Moved, Swapped, Replaced };
    Kind kind = Kind::Inserted;
    // Inserted and Moved: where the run begins afterwards and how long it is; Removed: how many
    // were removed (first unused); Swapped: the two indexes; Replaced: the index.
    std::size_t first = 0;
    std::size_t second = 0;
    // Removed and Moved: one mark per entry of the list as it was before, on those taken out.
    std::vector<bool> marked{};
    HeldEntries held{};
};

// What one command changed, and the rows that were selected before it and after it.
struct EditStep {
    std::vector<ListChange> changes;
    RowSelection before;
    RowSelection after;
};

// The undo and redo stacks of one open tape. A command gathers the changes it makes into one
// step (begin, note, end); a step with changes goes onto the undo stack and drops whatever could
// be redone. The BlockList takes steps back and makes them again, since only it may change its
// lists.
class EditHistory {
public:
    bool canUndo() const { return !undoable_.empty(); }
    bool canRedo() const { return !redoable_.empty(); }
    std::size_t undoCount() const { return undoable_.size(); }
    std::size_t redoCount() const { return redoable_.size(); }

    bool gathering() const { return gathering_; }
    // A step begun while another is gathered joins it: its changes become the outer step's, whose
    // rows before and after stand, and only the outer step's end closes it.
    void begin(RowSelection before);
    // Room for `changes` more changes, made before the list changes, so that noting them cannot
    // fail after the list has changed.
    void reserveChange(std::size_t changes = 1);
    void note(ListChange change) noexcept;
    void end(RowSelection after) noexcept;

    // Drops every step: the list has changed in a way the steps do not describe.
    void clear() noexcept;

    // The step to take back (or make again), with room made on the other stack for it; null when
    // there is none. Once the list has followed it, undone() (redone()) moves it over.
    EditStep* stepToUndo();
    EditStep* stepToRedo();
    void undone() noexcept;
    void redone() noexcept;

private:
    std::vector<EditStep> undoable_;
    std::vector<EditStep> redoable_;
    EditStep gathered_;
    bool gathering_ = false;
    int joined_ = 0;  // steps begun inside the one gathered and not ended yet
};

}  // namespace murax
