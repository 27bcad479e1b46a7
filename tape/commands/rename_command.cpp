// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/rename_command.h"

#include "tape/commands/block_list_box.h"
#include "tape/commands/name_field.h"
#include "tape/commands/undo_step.h"
#include "tape/format/entry_bytes.h"
#include "tape/format/tap_layout.h"

namespace murax {
namespace {

constexpr std::size_t kNameOffset = tap::inEntry(tap::header::kName);
constexpr std::size_t kChecksumOffset = tap::inEntry(tap::header::kChecksum);

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

    const std::string oldName = entry.substr(kNameOffset, tap::kNameLength);
    const auto typed = window.editName(nameFieldText(oldName), oldName.size());
    if (!typed)
        return;

    std::string name = typed->substr(0, tap::kNameLength);
    name.resize(tap::kNameLength, ' ');
    entry.replace(kNameOffset, tap::kNameLength, name);
    unsigned char checksum = 0;
    for (std::size_t i = tap::inEntry(tap::header::kFlag); i < kChecksumOffset; ++i)
        checksum ^= static_cast<unsigned char>(entry[i]);
    entry[kChecksumOffset] = static_cast<char>(checksum);

    const DisplayLine& line = list.lines()[n - 1];
    const std::size_t index = static_cast<std::size_t>(n) - 1;
    const UndoStep step(list, box);
    list.replace(
        index, std::move(entry),
        DisplayLine(name + std::string(line.substr(std::min(line.size(), tap::kNameLength)))));
    reloadAndSelect(box, list.lines(), n);
}

}  // namespace murax
