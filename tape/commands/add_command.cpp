// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/add_command.h"

#include "seam/desktop_services.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/edit_refusal.h"
#include "tape/commands/insert_entries.h"
#include "tape/commands/tape_file_lookup.h"
#include "tape/commands/tape_file_reading.h"

namespace murax {

bool addOrInsertEntries(Window& window, BlockList& list, const EntryIntake& intake, bool insert)
{
    int p = blockListBox(window).currentPosition();
    if (p < 1)
        p = 1;
    // The run keeps the file's order in both cases; Insert places it at p, Add at the end.
    const std::size_t at = insert ? static_cast<std::size_t>(p) - 1 : list.count();
    return insertEntries(window, list, intake, at, p);
}

void AGGIUNGI(Window& window, BlockList& list, bool insert)
{
    const std::string chosen =
        window.app().desktop().openFileDialog("Select a TAP file to add", kAddFileFilters);
    if (chosen.empty())
        return;
    const auto name = findTapeFile(window.app(), chosen);
    if (!name)
        return;
    EntryIntake added;
    std::vector<std::string> notices;
    bool taken = false;
    if (!changeUnlessRefused(
            window.app(), [&] { taken = takeTapeFile(window.app(), added, *name, &notices); },
            &added) ||
        !taken)
        return;

    if (addOrInsertEntries(window, list, added, insert))
        showTzxNotices(window.app(), notices);
}

}  // namespace murax
