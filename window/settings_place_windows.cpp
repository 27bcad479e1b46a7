// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/settings_place.h"

namespace murax {

std::string_view settingsPlaceInHelp()
{
    return "%APPDATA%\\murax\\MURAX.INI";
}

}  // namespace murax
