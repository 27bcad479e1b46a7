// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/sound_entries.h"

namespace murax {

std::vector<std::string_view> entriesToSound(const std::vector<int>& selected,
                                             const BlockList& list)
{
    std::vector<std::string_view> entries;
    for (const int position : selected)
        if (position >= 1 && static_cast<std::size_t>(position) <= list.count())
            entries.emplace_back(list.entries()[position - 1]);
    if (entries.empty())
        entries.assign(list.entries().begin(), list.entries().end());
    return entries;
}

}  // namespace murax
