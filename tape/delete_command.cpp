// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "support/message_box.h"
#include "tape/block_list_box.h"
#include "tape/file_commands.h"
#include "tape/list_commands.h"

namespace murax {
namespace {

// Removes the items at the marked indexes in one pass, keeping the others in order.
template <typename Items>
void removeMarked(Items& items, const std::vector<bool>& marked)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (!marked[i]) {
            if (kept != i)
                items[kept] = std::move(items[i]);
            ++kept;
        }
    items.resize(kept);
}

}  // namespace

void ELIMINA(Window& window, BlockList& list)
{
    ListBox& box = blockListBox(window);
    const std::vector<int> selected = box.selectedPositions();
    const int current = box.currentPosition();
    if (list.empty())
        return;
    if (!POPMSG("Delete the selected blocks?", MessageKind::Ask))
        return;

    std::vector<bool> marked(list.count(), false);
    int lowest = 0;
    for (const int position : selected)
        if (position >= 1 && static_cast<std::size_t>(position) <= list.count()) {
            marked[static_cast<std::size_t>(position) - 1] = true;
            if (lowest == 0 || position < lowest)
                lowest = position;
        }
    removeMarked(list.lines, marked);
    removeMarked(list.entries, marked);

    int p = lowest != 0 ? lowest : current;
    p = std::min(p, static_cast<int>(list.count()));
    reloadAndSelect(box, list.lines, p);
    window.repaintWithoutErasing();
    window.setStatusText(BLKINFO(list));
}

}  // namespace murax
