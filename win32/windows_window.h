// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/app_context.h"
#include "tape/model/block_list.h"

namespace murax {

// The Windows face's window for the run (see WindowRun): the main window, made from the template
// MURAX, on `list`, run modally until it closes.
void runWindowsWindow(AppContext& app, BlockList& list);

}  // namespace murax
