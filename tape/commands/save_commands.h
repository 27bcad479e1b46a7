// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "seam/window_services.h"
#include "tape/model/block_list.h"

namespace murax {

// Save (false) and Save As (true); `window` is null for the save at exit, after the window has gone
void SALVA(Window* window, BlockList& list, bool saveAs);  // Save, Save As
void exitQuestion(BlockList& list);  // offers to save unsaved edits once the window has closed
// True when no file is at `path` or the user agrees that the one there be overwritten.
bool agreesToOverwrite(const std::string& path);

}  // namespace murax
