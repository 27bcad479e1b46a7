// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/rename_command.h"

#include "tape/commands/block_list_box.h"
#include "tape/commands/name_field.h"
#include "tape/model/undo_step.h"

namespace murax {
namespace {

constexpr std::size_t kNameOffset = 4;
constexpr std::size_t kNameLength = 10;
constexpr std::size_t kChecksumOffset = 20;
constexpr std::size_t kFramedHeaderLength = 21;

// Only a complete standard header (block length 19, flag 0) has its name and checksum where the
// rename writes them; in any other block those offsets belong to other data.
bool isStandardHeader(const std::string& entry)
{
    return entry.size() >= kFramedHeaderLength && entry[0] == 19 && entry[1] == 0 && entry[2] == 0;
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

    const std::string oldName = entry.substr(kNameOffset, kNameLength);
    const auto typed = window.editName(nameFieldText(oldName), oldName.size());
    if (!typed)
        return;

    std::string name = typed->substr(0, kNameLength);
    name.resize(kNameLength, ' ');
    entry.replace(kNameOffset, kNameLength, name);
    unsigned char checksum = 0;
    for (std::size_t i = 2; i < kChecksumOffset; ++i)
        checksum ^= static_cast<unsigned char>(entry[i]);
    entry[kChecksumOffset] = static_cast<char>(checksum);

    const DisplayLine& line = list.lines()[n - 1];
    const std::size_t index = static_cast<std::size_t>(n) - 1;
    const UndoStep step(list, box);
    list.replace(index, std::move(entry),
                 DisplayLine(name + std::string(line.substr(std::min(line.size(), kNameLength)))));
    reloadAndSelect(box, list.lines(), n);
}

}  // namespace murax
