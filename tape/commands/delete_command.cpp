// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/delete_command.h"

#include <algorithm>

#include "seam/message_box.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/edit_refusal.h"
#include "tape/commands/undo_step.h"
#include "tape/model/block_info.h"

namespace murax {

void ELIMINA(Window& window, BlockList& list)
{
    RowSelection rows = rowsShown(blockListBox(window));
    if (list.empty())
        return;
    if (!POPMSG(window.app(), "Delete the selected blocks?", MessageKind::Ask))
        return;
    removeSelectedEntries(window, list, std::move(rows));
}

bool removeSelectedEntries(Window& window, BlockList& list, RowSelection rows)
{
    ListBox& box = blockListBox(window);
    const std::vector<std::size_t> indexes = indexesOf(rows.selected, list.count());
    // The positions are ascending, so the first one kept is the topmost.
    int p = indexes.empty() ? rows.current : static_cast<int>(indexes.front()) + 1;
    const UndoStep step(list, box, std::move(rows));
    if (!changeUnlessRefused(window.app(), [&] { list.removeSelection(indexes); }))
        return false;

    p = std::min(p, static_cast<int>(list.count()));
    reloadAndSelect(box, list.lines(), p);
    window.repaintWithoutErasing();
    window.setStatusText(BLKINFO(list));
    return true;
}

}  // namespace murax
