// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/model/block_list.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "tape/format/entry_bytes.h"
#include "tape/format/tap_decoding.h"

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

// What the entry at `k` of the list about to be made gives its neighbours: nothing past the end.
template <typename At>
std::string_view entryOr(const At& at, std::size_t k, std::size_t size)
{
    return k < size ? at(k) : std::string_view{};
}

// The bytes a display line may read past an entry: a standard header's fields.
constexpr std::size_t kLineReach = 18;

}  // namespace

std::size_t Placed::operator()(std::size_t index) const
{
    return index - static_cast<std::size_t>(std::lower_bound(pairs.begin(), pairs.end(), index) -
                                            pairs.begin());
}

template <typename At, typename From>
void BlockList::readBackAt(std::size_t k, std::size_t size, const At& at, const From& from,
                           std::vector<std::size_t>& pairs)
{
    // An entry that the lone header before it takes as its data loads inside that pair, and a
    // pair always loads as itself: what follows cannot regroup it.
    if (k >= size || (!pairs.empty() && pairs.back() + 1 == k))
        return;
    const ReadBack how = readBack(at(k), entryOr(at, k + 1, size), entryOr(at, k + 2, size));
    if (how == ReadBack::Same)
        return;
    if (how == ReadBack::TakesNext) {
        pairs.push_back(k);
        return;
    }
    EntryRegroups refusal = from(k);
    refusal.why = how;
    throw refusal;
}

template <typename At>
std::vector<ListChange> BlockList::pairings(const std::vector<std::size_t>& pairs, std::size_t size,
                                            const At& at)
{
    std::vector<ListChange> changes;
    changes.reserve(2 * pairs.size());
    // From the last up, so that each pair's indexes still hold when its changes are made.
    for (auto k = pairs.rbegin(); k != pairs.rend(); ++k) {
        std::string paired(at(*k));
        paired += at(*k + 1);
        // The line as a load makes it, from the bytes that follow too.
        std::string read = paired;
        for (std::size_t next = *k + 2; next < size && read.size() < paired.size() + kLineReach;
             ++next)
            read += at(next).substr(0, kLineReach);
        ListChange replaced{.kind = ListChange::Kind::Replaced, .first = *k};
        replaced.held.lines.emplace_back(BLKLINE(read));
        replaced.held.entries.push_back(std::move(paired));
        ListChange removed{.kind = ListChange::Kind::Removed, .second = 1};
        removed.marked.assign(size, false);
        removed.marked[*k + 1] = true;
        makeRoom(removed.held.lines, 1);
        makeRoom(removed.held.entries, 1);
        changes.push_back(std::move(replaced));
        changes.push_back(std::move(removed));
        --size;
    }
    return changes;
}

void BlockList::pairUp(std::vector<ListChange>& changes, bool noting)
{
    for (ListChange& change : changes)
        make(std::move(change), noting);
}

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

bool BlockList::beforeChange(std::size_t changes)
{
    if (!history_.gathering()) {
        history_.clear();
        return false;
    }
    history_.reserveChange(changes);
    return true;
}

Placed BlockList::insertRun(std::size_t at, BlockList&& run)
{
    at = std::min(at, count());
    const std::size_t n = run.count();
    if (n == 0)
        return {};
    const std::size_t size = count() + n;
    const auto bytes = [&](std::size_t k) -> std::string_view {
        return k < at ? entries_[k] : k < at + n ? run.entries_[k - at] : entries_[k - n];
    };
    const auto from = [&](std::size_t k) {
        return k < at       ? EntryRegroups{EntryRegroups::Of::List, k}
               : k < at + n ? EntryRegroups{EntryRegroups::Of::Run, k - at}
                            : EntryRegroups{EntryRegroups::Of::List, k - n};
    };
    Placed placed;
    for (std::size_t k = at == 0 ? 0 : at - 1; k < at + n; ++k)
        readBackAt(k, size, bytes, from, placed.pairs);
    std::vector<ListChange> pairs = pairings(placed.pairs, size, bytes);
    // Exactly the room needed: the lists of a large tape are the program's largest blocks, and
    // the usual doubling would leave up to half of them unused.
    makeRoom(lines_, size);
    makeRoom(entries_, size);
    const bool noting = beforeChange(1 + pairs.size());
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
    pairUp(pairs, noting);
    return placed;
}

std::vector<std::size_t> BlockList::readBackOrder(const std::vector<std::size_t>& order) const
{
    const auto bytes = [&](std::size_t k) -> std::string_view { return entries_[order[k]]; };
    const auto from = [&](std::size_t k) {
        return EntryRegroups{EntryRegroups::Of::List, order[k]};
    };
    std::vector<std::size_t> pairs;
    for (std::size_t k = 0; k + 1 < order.size(); ++k)
        if (order[k + 1] != order[k] + 1)
            readBackAt(k, order.size(), bytes, from, pairs);
    return pairs;
}

void BlockList::removeSelection(const std::vector<std::size_t>& indexes)
{
    std::vector<bool> marked;
    const std::size_t removing = markIndexes(indexes, count(), marked);
    if (removing == 0)
        return;
    std::vector<std::size_t> order;
    order.reserve(count() - removing);
    for (std::size_t i = 0; i < count(); ++i)
        if (!marked[i])
            order.push_back(i);
    const std::vector<std::size_t> pairs = readBackOrder(order);
    std::vector<ListChange> pairing = pairings(
        pairs, order.size(), [&](std::size_t k) -> std::string_view { return entries_[order[k]]; });
    const bool noting = beforeChange(1 + pairing.size());
    ListChange change{
        .kind = ListChange::Kind::Removed, .second = removing, .marked = std::move(marked)};
    makeRoom(change.held.lines, removing);
    makeRoom(change.held.entries, removing);
    make(std::move(change), noting);
    pairUp(pairing, noting);
}

std::size_t BlockList::moveSelection(const std::vector<std::size_t>& indexes, std::size_t before,
                                     Placed* placed)
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
    std::vector<std::size_t> order;
    order.reserve(count());
    std::size_t other = 0;
    for (; order.size() < at; ++other)
        if (!marked[other])
            order.push_back(other);
    for (std::size_t i = 0; i < count(); ++i)
        if (marked[i])
            order.push_back(i);
    for (; other < count(); ++other)
        if (!marked[other])
            order.push_back(other);
    Placed pairs{readBackOrder(order)};
    std::vector<ListChange> pairing =
        pairings(pairs.pairs, order.size(),
                 [&](std::size_t k) -> std::string_view { return entries_[order[k]]; });
    const bool noting = beforeChange(1 + pairing.size());
    ListChange change{
        .kind = ListChange::Kind::Moved, .first = at, .second = n, .marked = std::move(marked)};
    makeRoom(change.held.lines, n);
    makeRoom(change.held.entries, n);
    make(std::move(change), noting);
    pairUp(pairing, noting);
    if (placed)
        *placed = std::move(pairs);
    return at;
}

Placed BlockList::swap(std::size_t a, std::size_t b)
{
    if (a >= count() || b >= count())
        throw std::out_of_range("BlockList::swap");
    if (a == b)
        return {};
    const auto source = [&](std::size_t k) { return k == a ? b : k == b ? a : k; };
    const auto bytes = [&](std::size_t k) -> std::string_view { return entries_[source(k)]; };
    const auto from = [&](std::size_t k) {
        return EntryRegroups{EntryRegroups::Of::List, source(k)};
    };
    Placed placed;
    for (const std::size_t k :
         {std::min(a, b) - 1, std::min(a, b), std::max(a, b) - 1, std::max(a, b)})
        readBackAt(k, count(), bytes, from, placed.pairs);
    std::sort(placed.pairs.begin(), placed.pairs.end());
    placed.pairs.erase(std::unique(placed.pairs.begin(), placed.pairs.end()), placed.pairs.end());
    std::vector<ListChange> pairing = pairings(placed.pairs, count(), bytes);
    const bool noting = beforeChange(1 + pairing.size());
    make({.kind = ListChange::Kind::Swapped, .first = a, .second = b}, noting);
    pairUp(pairing, noting);
    return placed;
}

Placed BlockList::replace(std::size_t index, std::string entry, const DisplayLine& line)
{
    if (index >= count())
        throw std::out_of_range("BlockList::replace");
    if (entries_[index] == entry && lines_[index] == line)
        return {};
    const auto bytes = [&](std::size_t k) -> std::string_view {
        return k == index ? std::string_view(entry) : std::string_view(entries_[k]);
    };
    const auto from = [&](std::size_t k) {
        return EntryRegroups{k == index ? EntryRegroups::Of::Replacement : EntryRegroups::Of::List,
                             k};
    };
    Placed placed;
    readBackAt(index - 1, count(), bytes, from, placed.pairs);
    readBackAt(index, count(), bytes, from, placed.pairs);
    std::vector<ListChange> pairing = pairings(placed.pairs, count(), bytes);
    const bool noting = beforeChange(1 + pairing.size());
    // The new entry goes in by trading places with the old one, which the change then holds.
    ListChange change{.kind = ListChange::Kind::Replaced, .first = index};
    change.held.lines.push_back(line);
    change.held.entries.push_back(std::move(entry));
    make(std::move(change), noting);
    pairUp(pairing, noting);
    return placed;
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
