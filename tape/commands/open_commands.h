// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

// The start-up load: the first command-line argument (absent, empty or blank: the open dialog),
// completed, checked and loaded into `list`; sets its currentFile. False when the program is to
// end without opening its window (dialog cancelled, file not found, file unreadable).
bool startupLoad(AppContext& app, const std::string* argument, BlockList& list);

void APRI(Window& window, BlockList& list);  // Open: another tape replaces the list

}  // namespace murax
