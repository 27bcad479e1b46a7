// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/commands/virtual_keys.h"
#include "tape/model/block_list.h"

namespace murax {

// The key handler of the block list box: runs the command the command table binds to the key
// (through the command dispatch point) and returns whether the key is consumed.
bool TASTI(Window& window, const KeyPress& key, BlockList& list);  // the list's keys

// Run: hands currentFile on disk to the program the desktop associates with it.
void RUN(Window& window, BlockList& list);  // Run (F11)

}  // namespace murax
