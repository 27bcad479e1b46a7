// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/running_executable.h"

#include <windows.h>

#include "support/platform/wide_text_windows.h"

namespace murax {

std::string runningExecutablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return utf8Text(path.data(), length);
        path.resize(path.size() * 2);  // cut short: try again with more room
    }
}

}  // namespace murax
