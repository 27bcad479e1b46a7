// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/user_folders.h"

#include <windows.h>

#include "support/platform/wide_text_windows.h"

namespace murax {
namespace {

std::string folderIn(const wchar_t* variable)
{
    wchar_t value[MAX_PATH * 4];
    const DWORD length =
        GetEnvironmentVariableW(variable, value, static_cast<DWORD>(std::size(value)));
    if (length == 0 || length >= std::size(value))
        return {};
    return utf8Text(value, length) + "\\murax";
}

}  // namespace

std::string userDataFolder()
{
    return folderIn(L"LOCALAPPDATA");
}

std::string userConfigFolder()
{
    const std::string folder = folderIn(L"APPDATA");
    return folder.empty() ? std::string() : folder + "\\";
}

}  // namespace murax
