// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/hex_editor_setting.h"

#include "seam/desktop_services.h"
#include "support/platform/file_io.h"
#include "support/platform/ini_profile.h"
#include "support/platform/user_folders.h"

namespace murax {
namespace {

constexpr const char* kIniName = "MURAX.INI";
constexpr const char* kSection = "Edit";
constexpr const char* kKey = "Hex editor";

}  // namespace

std::string hexEditorIniPath(Desktop& desktop)
{
    const std::string beside = desktop.executableFolder() + kIniName;
    const std::string config = userConfigFolder();
    if (fileExists(beside) || config.empty())
        return beside;
    return config + kIniName;
}

std::string configuredHexEditor(Desktop& desktop)
{
    return readProfileString(kSection, kKey, "", hexEditorIniPath(desktop));
}

void writeEmptyHexEditorSetting()
{
    writeProfileString(kSection, kKey, "", std::string("./") + kIniName);
}

}  // namespace murax
