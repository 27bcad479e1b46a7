// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/block_list.h"

namespace murax {

std::string currentFile;

void BlockList::clear()
{
    lines.clear();
    entries.clear();
}

std::string joinEntries(const BlockList& list)
{
    std::size_t total = 0;
    for (const auto& entry : list.entries)
        total += entry.size();
    std::string joined;
    joined.reserve(total);
    for (const auto& entry : list.entries)
        joined += entry;
    return joined;
}

}  // namespace murax
