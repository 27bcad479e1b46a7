// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/undo_commands.h"

#include <optional>

#include "tape/commands/block_list_box.h"
#include "tape/model/block_info.h"

namespace murax {
namespace {

// Nothing to take back or to redo is a silent refusal, like a move at the top of the list.
void show(Window& window, const BlockList& list, const std::optional<RowSelection>& rows)
{
    if (!rows)
        return;
    ListBox& box = blockListBox(window);
    box.reload(list.lines());
    box.selectRows(rows->selected, rows->current);
    window.repaintWithoutErasing();
    window.setStatusText(BLKINFO(list));
}

}  // namespace

void ANNULLA(Window& window, BlockList& list)
{
    show(window, list, list.undo());
}

void RIPETI(Window& window, BlockList& list)
{
    show(window, list, list.redo());
}

}  // namespace murax
