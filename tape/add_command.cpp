// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <iterator>

#include "support/desktop_services.h"
#include "tape/block_list_box.h"
#include "tape/file_commands.h"
#include "tape/list_commands.h"
#include "tape/tap_decoding.h"
#include "tape/tape_file_lookup.h"

namespace murax {
namespace {

template <typename Items>
void insertInOrder(Items& into, std::size_t at, Items& from)
{
    into.insert(into.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(from.begin()),
                std::make_move_iterator(from.end()));
}

}  // namespace

void AGGIUNGI(Window& window, BlockList& list, bool insert)
{
    ListBox& box = blockListBox(window);
    int p = box.currentPosition();
    if (p < 1)
        p = 1;

    const std::string chosen = desktop().openFileDialog("Select a TAP file to add");
    if (chosen.empty())
        return;
    const auto name = findTapeFile(chosen);
    if (!name)
        return;
    BlockList added;
    ABLOCKS(*name, added);

    // The run keeps the file's order in both cases; Insert places it at p, Add at the end.
    const std::size_t at = insert ? std::min<std::size_t>(static_cast<std::size_t>(p) - 1, list.count())
                                  : list.count();
    insertInOrder(list.lines, at, added.lines);
    insertInOrder(list.entries, at, added.entries);

    reloadAndSelect(box, list.lines, p);
    window.repaintWithoutErasing();
    window.setStatusText(BLKINFO(list));
}

}  // namespace murax
