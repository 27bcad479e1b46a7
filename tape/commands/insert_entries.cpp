// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/insert_entries.h"

#include <algorithm>
#include <utility>

#include "seam/desktop_services.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/edit_refusal.h"
#include "tape/commands/undo_step.h"
#include "tape/model/block_info.h"

namespace murax {

bool insertEntries(Window& window, BlockList& list, const EntryIntake& intake, std::size_t at,
                   int select)
{
    ListBox& box = blockListBox(window);
    at = std::min(at, list.count());
    {
        const UndoStep step(list, box);
        std::size_t n = 0;
        const bool inserted = changeUnlessRefused(
            window.app(),
            [&] {
                BlockList run = intake.split(list, window.app().desktop().memoryHeadroom());
                n = run.count();
                list.insertRun(at, std::move(run));
            },
            &intake);
        if (!inserted)
            return false;
        if (select > 0)
            reloadAndSelect(box, list.lines(), select);
        else
            reloadAndSelectRun(box, list.lines(), static_cast<int>(at) + 1, n);
    }
    window.repaintWithoutErasing();
    window.setStatusText(BLKINFO(list));
    return true;
}

}  // namespace murax
