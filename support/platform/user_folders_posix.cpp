// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/user_folders.h"

#include <cstdlib>

namespace murax {
namespace {

// $NAME/murax where NAME is set to an absolute path (a relative one is to be ignored, as if
// unset), else ~/FALLBACK/murax.
std::string xdgFolder(const char* name, const char* fallback)
{
    if (const char* set = std::getenv(name); set && *set == '/')
        return std::string(set) + "/murax";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/" + fallback + "/murax";
    return {};
}

}  // namespace

std::string userDataFolder()
{
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

std::string userConfigFolder()
{
    const std::string folder = xdgFolder("XDG_CONFIG_HOME", ".config");
    return folder.empty() ? std::string() : folder + "/";
}

}  // namespace murax
