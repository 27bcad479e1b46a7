// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "seam/app_context.h"
#include "tape/model/block_list.h"

namespace murax {

// The Qt face's window for the run (see WindowRun): the main window on `list`, run modally until
// it closes.
void runMainWindow(AppContext& app, BlockList& list);

// The whole run on Qt: the application, fonts, icon and desktop, then the editor's run (see
// runEditor) with `argument` and the main window. The application is given `programPath`
// (argv[0]) alone. Returns the process's exit status.
int runProgram(char* programPath, const std::string* argument);

}  // namespace murax
