// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace murax {

// Where the hex editor's setting is looked for when the executable's folder holds no MURAX.INI,
// in the words of the help text (the user's settings folder of this system, see
// userConfigFolder); it ends the sentence that names the executable's folder.
std::string_view settingsPlaceInHelp();

}  // namespace murax
