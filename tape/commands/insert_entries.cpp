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
        Placed placed;
        const bool inserted = changeUnlessRefused(
            window.app(),
            [&] {
                BlockList run = intake.split(list, window.app().desktop().memoryHeadroom());
                n = run.count();
                placed = list.insertRun(at, std::move(run));
            },
            &intake);
        if (!inserted)
            return false;
        // A header without its data that took the entry after it as its data stands for both.
        if (select > 0) {
            reloadAndSelect(box, list.lines(),
                            static_cast<int>(placed(static_cast<std::size_t>(select) - 1)) + 1);
        } else {
            const std::size_t first = placed(at);
            reloadAndSelectRun(box, list.lines(), static_cast<int>(first) + 1,
                               n == 0 ? 0 : placed(at + n - 1) - first + 1);
        }
    }
    window.repaintWithoutErasing();
    window.setStatusText(BLKINFO(list));
    return true;
}

}  // namespace murax
