// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window_services.h"

namespace murax {

// The block list box of the main window ("cBlk").
ListBox& blockListBox(Window& window);

// Loads the list box with `lines` and selects `position` (nothing on an empty list).
void reloadAndSelect(ListBox& box, const DisplayLines& lines, int position);

}  // namespace murax
