// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "seam/app_context.h"
#include "tape/model/block_list.h"

namespace murax {

// The face's main window: shows `list`, the tape just loaded, and returns once the window has
// closed.
using WindowRun = std::function<void(BlockList& list)>;

// The program's entry once the face has its desktop: the start-up load of `argument` (the first
// command-line argument, nullptr when there is none; without one the open dialog asks), the
// window, then the exit question. While it holds a tape, a fatal error first saves the unsaved
// edits to a recovery file. Errors of the load and of the exit question reach the handler as
// those of a command do.
void MAIN(AppContext& app, const std::string* argument,
          const WindowRun& runWindow);  // load, window, exit question

// The whole run on the face's context: the error handler installed on `app`, the start-up
// clean-up, MAIN, the exit clean-up, and the handler taken away again, since it speaks through
// `app`. Returns the process's exit status.
int runEditor(AppContext& app, const std::string* argument, const WindowRun& runWindow);

}  // namespace murax
