// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/clipboard_commands.h"

#include <optional>
#include <string>
#include <utility>

#include "seam/desktop_services.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/delete_command.h"
#include "tape/commands/insert_entries.h"
#include "tape/commands/undo_step.h"

namespace murax {
namespace {

// The entries at the selected rows, joined; nothing when no row is selected.
std::optional<std::string> selectedBytes(const BlockList& list, const std::vector<int>& selected)
{
    const std::vector<std::size_t> indexes = indexesOf(selected, list.count());
    if (indexes.empty())
        return std::nullopt;
    std::size_t total = 0;
    for (const std::size_t index : indexes)
        total += list.entries()[index].size();
    std::string bytes;
    bytes.reserve(total);
    for (const std::size_t index : indexes)
        bytes += list.entries()[index];
    return bytes;
}

}  // namespace

void COPIA(Window& window, BlockList& list)
{
    if (const auto bytes = selectedBytes(list, blockListBox(window).selectedPositions()))
        window.app().desktop().setClipboardData(kTapeMimeType, *bytes);
}

void TAGLIA(Window& window, BlockList& list)
{
    RowSelection rows = rowsShown(blockListBox(window));
    // The clipboard changes only with the list: a refused cut leaves both as they were.
    const auto bytes = selectedBytes(list, rows.selected);
    if (bytes && removeSelectedEntries(window, list, std::move(rows)))
        window.app().desktop().setClipboardData(kTapeMimeType, *bytes);
}

void INCOLLA(Window& window, BlockList& list)
{
    std::optional<std::string> bytes = window.app().desktop().clipboardData(kTapeMimeType);
    if (!bytes || bytes->empty())
        return;
    // Split as a file of these bytes would be, so the pasted entries join back to exactly them.
    EntryIntake pasted;
    pasted.addBytes(std::move(*bytes), "the clipboard");

    const int current = blockListBox(window).currentPosition();
    const std::size_t at = current >= 1 && static_cast<std::size_t>(current) <= list.count()
                               ? static_cast<std::size_t>(current) - 1
                               : list.count();
    insertEntries(window, list, pasted, at, 0);
}

}  // namespace murax
