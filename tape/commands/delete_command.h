// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

void ELIMINA(Window& window, BlockList& list);  // Delete the selected entries, after asking

// What Delete does once it has its answer: removes the entries at the rows `rows` has selected
// (as one undo step), reloads the list and selects the row where the topmost of them stood (the
// current row when none was selected), or the last row. False when the list refused the removal
// (the entries left would not load back as they stand): the user has been told, nothing changed.
bool removeSelectedEntries(Window& window, BlockList& list, RowSelection rows);

}  // namespace murax
