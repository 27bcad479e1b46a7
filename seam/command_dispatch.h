// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <source_location>

#include "seam/app_context.h"

namespace murax {

// The one point through which every command starts, whatever started it (key, double-click,
// toolbar button, menu entry). It runs no command while another is still running: message passes
// inside a command (after a message box, during the hex editor's wait) would otherwise start a
// second command that shifts the positions the first one holds. An abandoned command comes to
// rest here quietly; any other exception is handed to the runtime-error handler as a record.
// An exception that escapes is reported as arising where the command was started, the innermost
// place of the editor's own code that is known for it.
// Returns false, with a beep, when the command was refused because another one is running.
bool dispatchCommand(AppContext& app, const std::function<void()>& command,
                     std::source_location where = std::source_location::current());

// True, after a beep, while a command started through dispatchCommand runs: then nothing else
// may start, and the window refuses what would pull the list from under the command (closing, a
// toolbar button's menu). False, and silent, otherwise.
bool refusedWhileACommandRuns(AppContext& app);

// The catch of the dispatch point alone, for the work that runs outside the window's commands
// (the start-up load, the question at exit): an abandonment comes to rest quietly, anything else
// reaches the handler as a record.
void runReportingErrors(const std::function<void()>& work,
                        std::source_location where = std::source_location::current());

}  // namespace murax
