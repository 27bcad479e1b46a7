// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// Where the program keeps the user's own files, "" when it cannot be told.
// Data (recovered edits): $XDG_DATA_HOME/murax, else ~/.local/share/murax; on Windows
// %LOCALAPPDATA%\murax.
std::string userDataFolder();

// Settings (MURAX.INI), with a trailing separator: $XDG_CONFIG_HOME/murax/, else
// ~/.config/murax/; on Windows %APPDATA%\murax\.
std::string userConfigFolder();

}  // namespace murax
