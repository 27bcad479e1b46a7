// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// Removes what earlier runs left behind: files of the current directory whose names begin with
// 0x7F, the half-written files of saves that were killed there, and the 0x7F entries of the TEMP
// folder (files inside them first). Never follows a symbolic link, touches only what belongs to
// the running user, and leaves alone a file that a running program still holds locked. Never
// reports anything.
void startupCleanup();

// Removes the 0x7F "VIEW" ... ".NTX" files of the current directory.
void exitCleanup();

// The TEMP folder: the TEMP variable where set and not empty, else the platform's temporary
// folder (on Windows, what GetTempPathW gives); "" when there is none (the clean-up then skips it
// rather than look in the root).
std::string tempFolder();

}  // namespace murax
