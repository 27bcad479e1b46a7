// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/drop_commands.h"

#include <algorithm>
#include <utility>

#include "support/paths.h"
#include "support/runtime_errors.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/edit_refusal.h"
#include "tape/commands/insert_entries.h"
#include "tape/commands/tape_file_lookup.h"
#include "tape/commands/tape_file_reading.h"
#include "tape/commands/undo_step.h"

namespace murax {
namespace {

std::size_t indexBefore(int beforePosition, std::size_t count)
{
    return beforePosition < 1 ? 0 : std::min(static_cast<std::size_t>(beforePosition) - 1, count);
}

}  // namespace

void TRASCINA(Window& window, BlockList& list, int beforePosition)
{
    ListBox& box = blockListBox(window);
    RowSelection rows = rowsShown(box);
    const std::vector<std::size_t> indexes = indexesOf(rows.selected, list.count());
    if (indexes.empty())
        return;
    const std::size_t before = indexBefore(beforePosition, list.count());
    const UndoStep step(list, box, std::move(rows));
    std::size_t at = 0;
    Placed placed;
    if (!changeUnlessRefused(window.app(),
                             [&] { at = list.moveSelection(indexes, before, &placed); }))
        return;
    // A header without its data that took the entry after it as its data stands for both.
    const std::size_t first = placed(at);
    reloadAndSelectRun(box, list.lines(), static_cast<int>(first) + 1,
                       placed(at + indexes.size() - 1) - first + 1);
}

void RILASCIA(Window& window, BlockList& list, const std::vector<std::string>& files,
              int beforePosition)
{
    EntryIntake dropped;
    FileConversion conversion(window);
    for (const std::string& file : files) {
        const std::optional<std::string> name = findExactFile(window.app(), FULLNAME(file));
        if (!name)
            continue;
        try {
            if (!changeUnlessRefused(
                    window.app(), [&] { takeTapeFile(window.app(), dropped, *name, &conversion); }))
                return;
            // A reading the user cancelled stops the whole drop.
            if (conversion.cancelled)
                return;
        } catch (const CommandAbandoned&) {
            // The error handler has told the user; the other files still go in.
            continue;
        }
    }
    if (dropped.entryCount() == 0 ||
        insertEntries(window, list, dropped, indexBefore(beforePosition, list.count()), 0))
        showConversionNotices(window.app(), conversion);
}

}  // namespace murax
