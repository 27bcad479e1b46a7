// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/block_list_box.h"

namespace murax {

ListBox& blockListBox(Window& window)
{
    return window.listBox();
}

void reloadAndSelect(ListBox& box, const DisplayLines& lines, int position)
{
    box.reload(lines);
    box.select(position);
}

}  // namespace murax
