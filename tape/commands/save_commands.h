// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

void SALVA(Window& window, BlockList& list, bool saveAs);  // Save (false), Save As (true)
// Offers to save unsaved edits once the window has closed.
void exitQuestion(AppContext& app, BlockList& list);
// True when no file is at `path` or the user agrees that the one there be overwritten.
bool agreesToOverwrite(AppContext& app, const std::string& path);

}  // namespace murax
