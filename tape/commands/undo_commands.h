// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

// Undo (Ctrl+Z): takes back the last edit of the list, with the rows selected before it.
void ANNULLA(Window& window, BlockList& list);
// Redo (Ctrl+Y, Ctrl+Shift+Z): makes the last edit taken back again, with the rows it left.
void RIPETI(Window& window, BlockList& list);

}  // namespace murax
