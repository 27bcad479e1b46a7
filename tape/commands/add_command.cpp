// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/add_command.h"

#include "seam/desktop_services.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/tape_file_lookup.h"
#include "tape/model/block_info.h"
#include "tape/model/tape_loading.h"
#include "tape/model/undo_step.h"

namespace murax {

void AGGIUNGI(Window& window, BlockList& list, bool insert)
{
    ListBox& box = blockListBox(window);
    int p = box.currentPosition();
    if (p < 1)
        p = 1;

    const std::string chosen = window.app().desktop().openFileDialog("Select a TAP file to add");
    if (chosen.empty())
        return;
    const auto name = findTapeFile(window.app(), chosen);
    if (!name)
        return;
    BlockList added;
    ABLOCKS(*name, added);

    // The run keeps the file's order in both cases; Insert places it at p, Add at the end.
    const std::size_t at = insert ? std::min<std::size_t>(static_cast<std::size_t>(p) - 1, list.count())
                                  : list.count();
    {
        const UndoStep step(list, box);
        list.insertRun(at, std::move(added));
        reloadAndSelect(box, list.lines(), p);
    }
    window.repaintWithoutErasing();
    window.setStatusText(BLKINFO(list));
}

}  // namespace murax
