// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/settings_place.h"

namespace murax {

std::string_view settingsPlaceInHelp()
{
    return "$XDG_CONFIG_HOME/murax/MURAX.INI\n"
           "(~/.config/murax/MURAX.INI when XDG_CONFIG_HOME is not set)";
}

}  // namespace murax
