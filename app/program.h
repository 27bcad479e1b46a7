// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "seam/app_context.h"

namespace murax {

// The program's entry once the application and its services are set up: the start-up load of
// `argument` (the first command-line argument, nullptr when there is none; without one the open
// dialog asks), the main window run modally, then the exit question.
void MAIN(AppContext& app, const std::string* argument);  // load, window, exit question

// The whole run: the Qt application, fonts, icon, desktop, error handler and start-up clean-up,
// then MAIN with `argument`, then the exit clean-up. The application is given `programPath`
// (argv[0]) alone. Returns the process's exit status.
int runProgram(char* programPath, const std::string* argument);

}  // namespace murax
