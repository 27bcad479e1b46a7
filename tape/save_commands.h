// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window_services.h"
#include "tape/block_list.h"

namespace murax {

// Save (false) and Save As (true); `window` is null for the save at exit, after the window has gone
void SALVA(Window* window, BlockList& list, bool saveAs);  // Save, Save As
void exitQuestion(BlockList& list);  // offers to save unsaved edits once the window has closed

}  // namespace murax
