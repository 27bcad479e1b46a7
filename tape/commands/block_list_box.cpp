// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/block_list_box.h"

namespace murax {

ListBox& blockListBox(Window& window)
{
    return window.listBox();
}

void reloadAndSelect(ListBox& box, const DisplayLines& lines, int position)
{
    box.reload(lines);
    box.select(position);
}

void reloadAndSelectRun(ListBox& box, const DisplayLines& lines, int first, std::size_t count)
{
    std::vector<int> run(count);
    for (std::size_t i = 0; i < count; ++i)
        run[i] = first + static_cast<int>(i);
    box.reload(lines);
    box.selectRows(run, count > 0 ? first : 0);
}

std::vector<std::size_t> indexesOf(const std::vector<int>& positions, std::size_t count)
{
    std::vector<std::size_t> indexes;
    indexes.reserve(positions.size());
    for (const int position : positions)
        if (position >= 1 && static_cast<std::size_t>(position) <= count)
            indexes.push_back(static_cast<std::size_t>(position) - 1);
    return indexes;
}

}  // namespace murax
