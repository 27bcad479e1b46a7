// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/delete_command.h"

#include <algorithm>

#include "support/message_box.h"
#include "tape/block_list_box.h"
#include "tape/block_info.h"

namespace murax {

void ELIMINA(Window& window, BlockList& list)
{
    ListBox& box = blockListBox(window);
    const std::vector<int> selected = box.selectedPositions();
    const int current = box.currentPosition();
    if (list.empty())
        return;
    if (!POPMSG("Delete the selected blocks?", MessageKind::Ask))
        return;

    std::vector<std::size_t> indexes;
    int lowest = 0;
    for (const int position : selected)
        if (position >= 1 && static_cast<std::size_t>(position) <= list.count()) {
            indexes.push_back(static_cast<std::size_t>(position) - 1);
            if (lowest == 0 || position < lowest)
                lowest = position;
        }
    list.removeSelection(indexes);

    int p = lowest != 0 ? lowest : current;
    p = std::min(p, static_cast<int>(list.count()));
    reloadAndSelect(box, list.lines(), p);
    window.repaintWithoutErasing();
    window.setStatusText(BLKINFO(list));
}

}  // namespace murax
