// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tape/format/display_line.h"
#include "tape/model/edit_history.h"

namespace murax {

// Thrown by an operation of BlockList, before it changes anything, when it would put an entry that
// is cut short (isCutShort) anywhere but last: saved and read again, that entry would swallow the
// entries after it. `index` counts from 0 in the list as it was, in the run being inserted, or is
// where the replacement was to go.
struct EntryCutShort {
    enum class Of { List, Run, Replacement };
    Of of;
    std::size_t index;
};

// The open tape in memory: two parallel lists of equal length. Item i of `lines` is the display
// line of item i of `entries`. Only the operations below change them, and each applies the same
// change at the same positions to both, so no command can let them drift apart.
// An entry holds the exact file bytes of one framed block (a data entry) or of a header block
// together with the framed block after it (a header entry), length prefixes included, so joining
// the entries in order gives the whole TAP file back. Only the last entry may be cut short: the
// operations that place entries (insertRun, moveSelection, swap, replace) refuse with
// EntryCutShort to put one anywhere else, so the joined bytes always split back into the same
// blocks.
//
// The list carries its own undo history, so that opening another tape (which replaces the list)
// starts a fresh one. While a step is being gathered (see UndoStep) insertRun, removeSelection,
// swap and replace note what they do in it, the removed or replaced entries moved there rather
// than copied; outside a step any change drops the history, which no longer describes the list.
class BlockList {
public:
    const DisplayLines& lines() const { return lines_; }
    const std::vector<std::string>& entries() const { return entries_; }
    std::size_t count() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    // For building a list: all three drop the history.
    void clear();
    void reserve(std::size_t entries);  // room for this many entries in all
    void append(std::string entry, const DisplayLine& line);
    // Puts the entries of `run` before index `at` (at most count()), in their order, by moving
    // them; `run` is left empty. The lists grow to exactly the room they need.
    void insertRun(std::size_t at, BlockList&& run);
    // Removes the entries at the given indexes (any order; out of range or repeated ones count
    // once or not at all). Removing none is no change.
    void removeSelection(const std::vector<std::size_t>& indexes);
    // Moves the entries at the given indexes (as for removeSelection), in their order, as one run
    // to the place before index `before` (at most count()) among the others. Returns where the
    // run begins now; a move that leaves every entry where it was is no change.
    std::size_t moveSelection(const std::vector<std::size_t>& indexes, std::size_t before);
    void swap(std::size_t a, std::size_t b);  // an entry swapped with itself is no change
    // Putting back the same bytes is no change.
    void replace(std::size_t index, std::string entry, const DisplayLine& line);

    // What the list and its lines take in memory for `entries` more entries whose bytes the
    // heap holds in `heapBytes` (see heapBytesOfEntry), while they are made as a run of their
    // own and put in: the run, and the larger lists the room is made in.
    std::uint64_t memoryToTakeIn(std::size_t entries, std::uint64_t heapBytes) const;
    // The bytes the heap holds for an entry of `size` bytes beyond its place in the list: none
    // for one short enough to be kept in that place.
    static std::uint64_t heapBytesOfEntry(std::size_t size);
    // An entry's place in the list with its line.
    static constexpr std::size_t kBytesPerPlace = sizeof(std::string) + sizeof(DisplayLine);

    // The undo history is the list's own: it is read here, and written only by the list's
    // operations and by the steps that gather them (see UndoStep).
    const EditHistory& history() const { return history_; }
    // Opens the step that gathers the changes of one command, with the rows selected before it;
    // closes it with the rows selected after. A step opened inside another one joins it.
    void beginStep(RowSelection before) { history_.begin(std::move(before)); }
    void endStep(RowSelection after) noexcept { history_.end(std::move(after)); }
    // Takes back the last step, or makes the last step taken back again, and returns the rows
    // that were selected before it (after it); nothing when there is no such step.
    std::optional<RowSelection> undo();
    std::optional<RowSelection> redo();

    // The absolute path of the file this tape was loaded from or last saved to; empty only
    // before the start-up load.
    std::string currentFile;

private:
    // Checks that the step fits the list and makes room for everything its changes need, so that
    // once the list begins to follow a step nothing can fail halfway. False when it does not fit.
    bool prepareFor(EditStep& step, bool forward);
    // Makes the step's changes (forward) or takes them back, and returns the rows selected after
    // (before) it; nothing when there is no step or it does not fit the list.
    std::optional<RowSelection> follow(EditStep* step, bool forward);
    // Makes the change and, when `noting`, keeps it in the step being gathered.
    void make(ListChange&& change, bool noting);
    void apply(ListChange& change) noexcept;
    void takeBack(ListChange& change) noexcept;
    // Called before an operation changes the list: notes room for the change while a step is
    // gathered, drops the history otherwise. Returns whether the change is to be noted.
    bool beforeChange();
    // Throws EntryCutShort when the entry at `index` is cut short and is to stand at `to`,
    // which is not the last place of a list of `size` entries.
    void mustStayLast(std::size_t index, std::size_t to, std::size_t size) const;

    DisplayLines lines_;
    std::vector<std::string> entries_;
    EditHistory history_;
};

// The entries joined in list order: the bytes a save writes.
std::string joinEntries(const BlockList& list);

}  // namespace murax
