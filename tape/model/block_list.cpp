// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/model/block_list.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "tape/format/entry_bytes.h"

namespace murax {
namespace {

template <typename Items>
void moveInto(Items& into, std::size_t at, Items& from)
{
    into.insert(into.begin() + static_cast<std::ptrdiff_t>(at),
                std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
    from.clear();
}

// Moves the marked items to the end of `taken` (which has room for them) in one pass, keeping
// the others in order.
template <typename Items>
void takeMarked(Items& items, const std::vector<bool>& marked, Items& taken)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (marked[i]) {
            taken.push_back(std::move(items[i]));
        } else {
            if (kept != i)
                items[kept] = std::move(items[i]);
            ++kept;
        }
    }
    items.resize(kept);
}

// The reverse of takeMarked: the taken items go back to their marks, from the end down, so that
// every kept item moves once. `items` must have room for all of them.
template <typename Items>
void putBackMarked(Items& items, const std::vector<bool>& marked, Items& taken)
{
    std::size_t kept = items.size();
    std::size_t back = taken.size();
    items.resize(marked.size());
    for (std::size_t i = marked.size(); i-- > 0 && back > 0;) {
        if (marked[i])
            items[i] = std::move(taken[--back]);
        else
            items[i] = std::move(items[--kept]);
    }
    taken.clear();
}

// Moves the `n` items from `at` on to `into` (which has room for them) and closes the gap.
template <typename Items>
void takeRun(Items& items, std::size_t at, std::size_t n, Items& into)
{
    const auto first = items.begin() + static_cast<std::ptrdiff_t>(at);
    const auto last = first + static_cast<std::ptrdiff_t>(n);
    into.insert(into.end(), std::make_move_iterator(first), std::make_move_iterator(last));
    items.erase(first, last);
}

// One mark per index below `count`, on the given ones; returns how many are marked.
std::size_t markIndexes(const std::vector<std::size_t>& indexes, std::size_t count,
                        std::vector<bool>& marked)
{
    marked.assign(count, false);
    std::size_t n = 0;
    for (const std::size_t index : indexes)
        if (index < count && !marked[index]) {
            marked[index] = true;
            ++n;
        }
    return n;
}

template <typename Items>
void makeRoom(Items& items, std::size_t size)
{
    if (items.capacity() < size)
        items.reserve(size);
}

}  // namespace

void BlockList::clear()
{
    history_.clear();
    lines_.clear();
    entries_.clear();
}

void BlockList::reserve(std::size_t entries)
{
    history_.clear();
    makeRoom(lines_, entries);
    makeRoom(entries_, entries);
}

void BlockList::append(std::string entry, const DisplayLine& line)
{
    history_.clear();
    lines_.push_back(line);
    entries_.push_back(std::move(entry));
}

bool BlockList::beforeChange()
{
    if (!history_.gathering()) {
        history_.clear();
        return false;
    }
    history_.reserveChange();
    return true;
}

void BlockList::mustStayLast(std::size_t index, std::size_t to, std::size_t size) const
{
    if (to + 1 != size && isCutShort(entries_[index]))
        throw EntryCutShort{EntryCutShort::Of::List, index};
}

void BlockList::insertRun(std::size_t at, BlockList&& run)
{
    at = std::min(at, count());
    const std::size_t n = run.count();
    if (n == 0)
        return;
    const std::size_t size = count() + n;
    for (std::size_t i = 0; i < n; ++i)
        if (at + i + 1 != size && isCutShort(run.entries_[i]))
            throw EntryCutShort{EntryCutShort::Of::Run, i};
    if (at == count() && !empty())
        mustStayLast(count() - 1, count() - 1, size);
    // Exactly the room needed: the lists of a large tape are the program's largest blocks, and
    // the usual doubling would leave up to half of them unused.
    makeRoom(lines_, size);
    makeRoom(entries_, size);
    const bool noting = beforeChange();
    moveInto(lines_, at, run.lines_);
    try {
        moveInto(entries_, at, run.entries_);
    } catch (...) {
        // Nothing was moved out of the run (room is made before anything moves); the lines go
        // back out so the two lists stay in step.
        const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(at);
        lines_.erase(first, first + static_cast<std::ptrdiff_t>(n));
        throw;
    }
    if (noting)
        history_.note({.kind = ListChange::Kind::Inserted, .first = at, .second = n});
}

void BlockList::removeSelection(const std::vector<std::size_t>& indexes)
{
    std::vector<bool> marked;
    const std::size_t removing = markIndexes(indexes, count(), marked);
    if (removing == 0)
        return;
    const bool noting = beforeChange();
    ListChange change{
        .kind = ListChange::Kind::Removed, .second = removing, .marked = std::move(marked)};
    makeRoom(change.held.lines, removing);
    makeRoom(change.held.entries, removing);
    make(std::move(change), noting);
}

std::size_t BlockList::moveSelection(const std::vector<std::size_t>& indexes, std::size_t before)
{
    before = std::min(before, count());
    std::vector<bool> marked;
    const std::size_t n = markIndexes(indexes, count(), marked);
    const auto markedBefore =
        static_cast<std::size_t>(std::count(marked.begin(), marked.begin() + before, true));
    const std::size_t at = before - markedBefore;
    bool inPlace = true;
    for (std::size_t i = at; i < at + n && inPlace; ++i)
        inPlace = marked[i];
    if (n == 0 || inPlace)
        return at;
    // Only the last entry may be cut short, so only it can land in a wrong place: at the end of
    // the run when it moves with it, else last of the others unless the run goes below them all.
    const std::size_t last = count() - 1;
    const std::size_t lastLandsAt = marked[last] ? at + n - 1 : (at + n == count() ? at - 1 : last);
    mustStayLast(last, lastLandsAt, count());
    const bool noting = beforeChange();
    ListChange change{
        .kind = ListChange::Kind::Moved, .first = at, .second = n, .marked = std::move(marked)};
    makeRoom(change.held.lines, n);
    makeRoom(change.held.entries, n);
    make(std::move(change), noting);
    return at;
}

void BlockList::swap(std::size_t a, std::size_t b)
{
    if (a >= count() || b >= count())
        throw std::out_of_range("BlockList::swap");
    if (a == b)
        return;
    mustStayLast(a, b, count());
    mustStayLast(b, a, count());
    make({.kind = ListChange::Kind::Swapped, .first = a, .second = b}, beforeChange());
}

void BlockList::replace(std::size_t index, std::string entry, const DisplayLine& line)
{
    if (index >= count())
        throw std::out_of_range("BlockList::replace");
    if (entries_[index] == entry && lines_[index] == line)
        return;
    if (index + 1 != count() && isCutShort(entry))
        throw EntryCutShort{EntryCutShort::Of::Replacement, index};
    const bool noting = beforeChange();
    // The new entry goes in by trading places with the old one, which the change then holds.
    ListChange change{.kind = ListChange::Kind::Replaced, .first = index};
    change.held.lines.push_back(line);
    change.held.entries.push_back(std::move(entry));
    make(std::move(change), noting);
}

void BlockList::make(ListChange&& change, bool noting)
{
    apply(change);
    if (noting)
        history_.note(std::move(change));
}

bool BlockList::prepareFor(EditStep& step, bool forward)
{
    using Kind = ListChange::Kind;
    // Follows the list's length through the changes in the order they are to be made.
    std::size_t size = count();
    std::size_t largest = size;
    for (std::size_t k = 0; k < step.changes.size(); ++k) {
        const ListChange& change = step.changes[forward ? k : step.changes.size() - 1 - k];
        switch (change.kind) {
        case Kind::Inserted:
            if (forward ? change.first > size : change.first + change.second > size)
                return false;
            size = forward ? size + change.second : size - change.second;
            break;
        case Kind::Removed:
            if (change.marked.size() != (forward ? size : size + change.second))
                return false;
            size = forward ? size - change.second : size + change.second;
            break;
        case Kind::Moved:
            if (change.marked.size() != size || change.first + change.second > size)
                return false;
            break;
        case Kind::Swapped:
            if (change.first >= size || change.second >= size)
                return false;
            break;
        case Kind::Replaced:
            if (change.first >= size || change.held.entries.size() != 1)
                return false;
            break;
        }
        largest = std::max(largest, size);
    }
    makeRoom(lines_, largest);
    makeRoom(entries_, largest);
    for (ListChange& change : step.changes) {
        const bool takesOut = (change.kind == Kind::Inserted && !forward) ||
                              (change.kind == Kind::Removed && forward) ||
                              change.kind == Kind::Moved;
        if (takesOut) {
            makeRoom(change.held.lines, change.second);
            makeRoom(change.held.entries, change.second);
        }
    }
    return true;
}

void BlockList::apply(ListChange& change) noexcept
{
    switch (change.kind) {
    case ListChange::Kind::Inserted:
        moveInto(lines_, change.first, change.held.lines);
        moveInto(entries_, change.first, change.held.entries);
        break;
    case ListChange::Kind::Removed:
        takeMarked(lines_, change.marked, change.held.lines);
        takeMarked(entries_, change.marked, change.held.entries);
        break;
    case ListChange::Kind::Moved:
        takeMarked(lines_, change.marked, change.held.lines);
        takeMarked(entries_, change.marked, change.held.entries);
        moveInto(lines_, change.first, change.held.lines);
        moveInto(entries_, change.first, change.held.entries);
        break;
    case ListChange::Kind::Swapped:
    case ListChange::Kind::Replaced:
        takeBack(change);
        break;
    }
}

void BlockList::takeBack(ListChange& change) noexcept
{
    switch (change.kind) {
    case ListChange::Kind::Inserted:
        takeRun(lines_, change.first, change.second, change.held.lines);
        takeRun(entries_, change.first, change.second, change.held.entries);
        break;
    case ListChange::Kind::Removed:
        putBackMarked(lines_, change.marked, change.held.lines);
        putBackMarked(entries_, change.marked, change.held.entries);
        break;
    case ListChange::Kind::Moved:
        takeRun(lines_, change.first, change.second, change.held.lines);
        takeRun(entries_, change.first, change.second, change.held.entries);
        putBackMarked(lines_, change.marked, change.held.lines);
        putBackMarked(entries_, change.marked, change.held.entries);
        break;
    case ListChange::Kind::Swapped:
        std::swap(lines_[change.first], lines_[change.second]);
        std::swap(entries_[change.first], entries_[change.second]);
        break;
    case ListChange::Kind::Replaced:
        std::swap(lines_[change.first], change.held.lines[0]);
        std::swap(entries_[change.first], change.held.entries[0]);
        break;
    }
}

std::optional<RowSelection> BlockList::undo()
{
    return follow(history_.stepToUndo(), false);
}

std::optional<RowSelection> BlockList::redo()
{
    return follow(history_.stepToRedo(), true);
}

std::optional<RowSelection> BlockList::follow(EditStep* step, bool forward)
{
    if (step == nullptr)
        return std::nullopt;
    if (!prepareFor(*step, forward)) {
        history_.clear();
        return std::nullopt;
    }
    RowSelection rows = forward ? step->after : step->before;
    if (forward) {
        for (ListChange& change : step->changes)
            apply(change);
        history_.redone();
    } else {
        for (auto change = step->changes.rbegin(); change != step->changes.rend(); ++change)
            takeBack(*change);
        history_.undone();
    }
    return rows;
}

std::uint64_t BlockList::heapBytesOfEntry(std::size_t size)
{
    static const std::size_t keptInPlace = std::string().capacity();
    if (size <= keptInPlace)
        return 0;
    // The allocator's bookkeeping word and its rounding to 16 bytes, as the common heaps do.
    return (std::uint64_t{size} + 1 + sizeof(void*) + 15) / 16 * 16;
}

std::uint64_t BlockList::memoryToTakeIn(std::size_t entries, std::uint64_t heapBytes) const
{
    const std::uint64_t run = std::uint64_t{entries} * kBytesPerPlace + heapBytes;
    const std::size_t size = count() + entries;
    const bool grows = size > lines_.capacity() || size > entries_.capacity();
    return run + (grows ? std::uint64_t{size} * kBytesPerPlace : 0);
}

std::string joinEntries(const BlockList& list)
{
    std::size_t total = 0;
    for (const auto& entry : list.entries())
        total += entry.size();
    std::string joined;
    joined.reserve(total);
    for (const auto& entry : list.entries())
        joined += entry;
    return joined;
}

}  // namespace murax
