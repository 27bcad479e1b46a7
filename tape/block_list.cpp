// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/block_list.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace murax {
namespace {

template <typename Items>
void moveInto(Items& into, std::size_t at, Items& from)
{
    into.insert(into.begin() + static_cast<std::ptrdiff_t>(at),
                std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
    from.clear();
}

// Moves the marked items out in one pass, keeping the others in order.
template <typename Items>
Items takeMarked(Items& items, const std::vector<bool>& marked)
{
    Items taken;
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
    return taken;
}

}  // namespace

void BlockList::clear()
{
    lines_.clear();
    entries_.clear();
}

void BlockList::append(std::string entry, const DisplayLine& line)
{
    lines_.push_back(line);
    entries_.push_back(std::move(entry));
}

void BlockList::insertRun(std::size_t at, BlockList&& run)
{
    at = std::min(at, count());
    moveInto(lines_, at, run.lines_);
    moveInto(entries_, at, run.entries_);
}

BlockList BlockList::removeSelection(const std::vector<std::size_t>& indexes)
{
    std::vector<bool> marked(count(), false);
    for (const std::size_t index : indexes)
        if (index < count())
            marked[index] = true;
    BlockList removed;
    removed.lines_ = takeMarked(lines_, marked);
    removed.entries_ = takeMarked(entries_, marked);
    return removed;
}

void BlockList::swap(std::size_t a, std::size_t b)
{
    std::swap(lines_.at(a), lines_.at(b));
    std::swap(entries_.at(a), entries_.at(b));
}

void BlockList::replace(std::size_t index, std::string entry, const DisplayLine& line)
{
    lines_.at(index) = line;
    entries_.at(index) = std::move(entry);
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
