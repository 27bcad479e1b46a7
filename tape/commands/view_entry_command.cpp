// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/view_entry_command.h"

#include "tape/commands/block_list_box.h"

namespace murax {

void viewEntryCommand(Window& window, BlockList& list)
{
    const int n = blockListBox(window).currentPosition();
    if (n < 1 || static_cast<std::size_t>(n) > list.count())
        return;
    window.showEntryViewer();
}

}  // namespace murax
