// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/list_selection.h"

#include <algorithm>
#include <bit>

namespace murax {

void ListSelection::reset(int rows)
{
    rows_ = std::max(rows, 0);
    words_.assign((static_cast<std::size_t>(rows_) + kWordBits - 1) / kWordBits, 0);
    anchor_ = -1;
    extending_ = false;
    beforeExtension_.clear();
}

bool ListSelection::contains(int row) const
{
    return valid(row) && ((words_[row / kWordBits] >> (row % kWordBits)) & 1U) != 0;
}

std::vector<int> ListSelection::selectedRows() const
{
    std::vector<int> rows;
    for (std::size_t w = 0; w < words_.size(); ++w) {
        for (Word bits = words_[w]; bits != 0; bits &= bits - 1)
            rows.push_back(static_cast<int>(w) * kWordBits + std::countr_zero(bits));
    }
    return rows;
}

void ListSelection::add(int row)
{
    if (!valid(row))
        return;
    setAnchor(row);
    setBit(row, true);
}

bool ListSelection::toggle(int row)
{
    if (!valid(row))
        return false;
    setAnchor(row);
    setBit(row, !contains(row));
    return contains(row);
}

void ListSelection::selectOnly(int row)
{
    if (!valid(row))
        return;
    clear();
    add(row);
}

void ListSelection::selectAll()
{
    extending_ = false;
    setRange(0, rows_ - 1, true);
}

void ListSelection::clear()
{
    extending_ = false;
    std::fill(words_.begin(), words_.end(), 0);
}

void ListSelection::extendTo(int row, bool keepOthers, bool select)
{
    if (!valid(row))
        return;
    if (!extending_) {
        beforeExtension_ = words_;
        extending_ = true;
    }
    if (keepOthers)
        std::copy(beforeExtension_.begin(), beforeExtension_.end(), words_.begin());
    else
        std::fill(words_.begin(), words_.end(), 0);
    const int anchor = anchor_ < 0 ? 0 : anchor_;
    setRange(std::min(anchor, row), std::max(anchor, row), select);
}

void ListSelection::setBit(int row, bool on)
{
    const Word mask = Word{1} << (row % kWordBits);
    Word& word = words_[row / kWordBits];
    word = on ? (word | mask) : (word & ~mask);
}

void ListSelection::setRange(int first, int last, bool on)
{
    for (int row = first; row <= last;) {
        const int bit = row % kWordBits;
        const int span = std::min(kWordBits - bit, last - row + 1);
        const Word mask = (span == kWordBits ? ~Word{0} : ((Word{1} << span) - 1)) << bit;
        Word& word = words_[row / kWordBits];
        word = on ? (word | mask) : (word & ~mask);
        row += span;
    }
}

void ListSelection::setAnchor(int row)
{
    anchor_ = row;
    extending_ = false;
}

}  // namespace murax
