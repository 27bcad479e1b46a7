// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"

namespace murax {

// The block list box of the main window ("cBlk").
ListBox& blockListBox(Window& window);

// Loads the list box with `lines` and selects `position` (nothing on an empty list).
void reloadAndSelect(ListBox& box, const DisplayLines& lines, int position);

// Loads the list box with `lines` and selects the `count` rows from `first` on, the first of them
// current.
void reloadAndSelectRun(ListBox& box, const DisplayLines& lines, int first, std::size_t count);

// The list indexes (from 0) of the given list box positions (from 1) that lie within a list of
// `count` entries.
std::vector<std::size_t> indexesOf(const std::vector<int>& positions, std::size_t count);

}  // namespace murax
