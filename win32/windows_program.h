// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace murax {

// The whole run of murax.exe from its arguments (the program's path first, UTF-8): --help and
// --version answered on the console it was started from; otherwise the system's components
// readied, the Windows desktop, then the editor's run (see runEditor) on the first argument with
// the main window. Returns the process's exit status.
int runWindowsProgram(std::vector<std::string> arguments);

}  // namespace murax
