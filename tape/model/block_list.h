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
#include "tape/format/entry_bytes.h"
#include "tape/model/edit_history.h"

namespace murax {

// Thrown by an operation of BlockList, before it changes anything, when it would leave an entry
// where the tape, saved and read again, would not give it back as it is (`why`): an entry cut
// short anywhere but last, a header without its data before another header, an empty block before
// a block it would be read together with, an edited entry of several entries' blocks. `index`
// counts from 0 in the list as it was, in the run being inserted, or is where the replacement was
// to go.
struct EntryRegroups {
    enum class Of { List, Run, Replacement };
    Of of;
    std::size_t index;
    ReadBack why = ReadBack::CutShort;
};

// Where entries stand after an operation that paired headers with their data: the indexes (in
// the list as the operation made it, before pairing) of the headers that took the entry after them.
struct Placed {
    std::vector<std::size_t> pairs;
    // Where the entry that stood at `index` stands now: a data entry taken in stands with its
    // header.
    std::size_t operator()(std::size_t index) const;
};

// The open tape in memory: two parallel lists of equal length. Item i of `lines` is the display
// line of item i of `entries`. Only the operations below change them, and each applies the same
// change at the same positions to both, so no command can let them drift apart.
// An entry holds the exact file bytes of one framed block (a data entry) or of a header block
// together with the framed block after it (a header entry), length prefixes included, so joining
// the entries in order gives the whole TAP file back. The operations that place entries
// (insertRun, removeSelection, moveSelection, swap, replace) keep the list as a load of the joined
// bytes gives it: they refuse with EntryRegroups what would come back otherwise, and a header
// without its data that they put directly before a data entry takes that entry as its data at
// once, the two becoming one entry (as part of the same change, which undo takes back whole).
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
    // Returns where the entries that stood at the indexes of the list it made now stand.
    Placed insertRun(std::size_t at, BlockList&& run);
    // Removes the entries at the given indexes (any order; out of range or repeated ones count
    // once or not at all). Removing none is no change.
    // A header without its data never stands before another entry, so a removal pairs none.
    void removeSelection(const std::vector<std::size_t>& indexes);
    // Moves the entries at the given indexes (as for removeSelection), in their order, as one run
    // to the place before index `before` (at most count()) among the others. Returns where the
    // run begins (before any pairing; see `placed`); a move that leaves every entry where it was
    // is no change.
    std::size_t moveSelection(const std::vector<std::size_t>& indexes, std::size_t before,
                              Placed* placed = nullptr);
    Placed swap(std::size_t a, std::size_t b);  // an entry swapped with itself is no change
    // Putting back the same bytes is no change.
    Placed replace(std::size_t index, std::string entry, const DisplayLine& line);

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
    bool beforeChange(std::size_t changes = 1);
    // Reads back the entry that will stand at `k` in the list an operation is about to make, of
    // `size` entries whose bytes `at` gives, with the entries after it: notes in `pairs` a header
    // that will take its data, throws EntryRegroups, as `from` names the entry, for what would
    // come back otherwise.
    template <typename At, typename From>
    static void readBackAt(std::size_t k, std::size_t size, const At& at, const From& from,
                           std::vector<std::size_t>& pairs);
    // The changes that pair each header at `pairs` (ascending, in the list of `size` entries
    // that `at` gives) with the data entry after it, made before the list changes so that
    // nothing can fail once it does.
    template <typename At>
    static std::vector<ListChange> pairings(const std::vector<std::size_t>& pairs, std::size_t size,
                                            const At& at);
    // Reads back every entry of the list about to be made, whose indexes in the list as it is are
    // `order`, that has another entry after it than it had; returns the headers to pair.
    std::vector<std::size_t> readBackOrder(const std::vector<std::size_t>& order) const;
    // Makes the pairings after an operation's change, noted in the same step when `noting`.
    void pairUp(std::vector<ListChange>& changes, bool noting);

    DisplayLines lines_;
    std::vector<std::string> entries_;
    EditHistory history_;
};

// The entries joined in list order: the bytes a save writes.
std::string joinEntries(const BlockList& list);

}  // namespace murax
