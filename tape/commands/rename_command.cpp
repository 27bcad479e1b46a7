// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/rename_command.h"

#include "tape/commands/block_list_box.h"
#include "tape/commands/header_edit.h"
#include "tape/commands/undo_step.h"
#include "tape/format/entry_bytes.h"
#include "tape/format/tap_decoding.h"
#include "tape/format/tap_layout.h"

namespace murax {
namespace {

// Only a complete standard header (block length 19, flag 0) has its name and checksum where the
// rename writes them; in any other block those offsets belong to other data.
bool isStandardHeader(const std::string& entry)
{
    return entry.size() >= tap::kFramedHeaderLength &&
           wordAt(entry, 0) == tap::kHeaderBlockLength && isHeaderEntry(entry);
}

}  // namespace

void MODIFICA(Window& window, BlockList& list)
{
    ListBox& box = blockListBox(window);
    const int n = box.currentPosition();
    if (n < 1 || static_cast<std::size_t>(n) > list.count())
        return;
    std::string entry = list.entries()[n - 1];
    if (!isStandardHeader(entry))
        return;

    const auto form = window.editProperties(propertiesFormOf(entry));
    if (!form)
        return;
    entry = withPropertiesWritten(std::move(entry), *form);

    const std::size_t index = static_cast<std::size_t>(n) - 1;
    const UndoStep step(list, box);
    DisplayLine line(BLKLINE(entry));
    list.replace(index, std::move(entry), std::move(line));
    reloadAndSelect(box, list.lines(), n);
}

}  // namespace murax
