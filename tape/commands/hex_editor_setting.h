// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "seam/desktop_services.h"

namespace murax {

// The MURAX.INI the hex editor's command is read from: the one in the executable's folder, or,
// where that folder holds none, the one in the user's configuration folder
// ($XDG_CONFIG_HOME/murax, else ~/.config/murax). An installed program's folder is no user's to
// edit, so without the second place the hex editor could never be configured there.
std::string hexEditorIniPath(Desktop& desktop);

// The configured hex editor command (section "Edit", key "Hex editor"); empty when missing.
std::string configuredHexEditor(Desktop& desktop);

// Leaves an empty "Hex editor" entry in MURAX.INI of the current directory, for the user to fill.
void writeEmptyHexEditorSetting();

}  // namespace murax
