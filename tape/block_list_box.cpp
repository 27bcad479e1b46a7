// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/block_list_box.h"

#include <stdexcept>

namespace murax {

ListBox& blockListBox(Window& window)
{
    ListBox* box = CTL(window, "cBlk");
    if (!box)
        throw std::logic_error("The main window has no block list box");
    return *box;
}

void reloadAndSelect(ListBox& box, const DisplayLines& lines, int position)
{
    box.reload(lines);
    box.select(position);
}

}  // namespace murax
