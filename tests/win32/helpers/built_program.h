// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "support/platform/wide_text_windows.h"

namespace murax::testing {

// The path of the built murax.exe. The build names it by its host path, which under Wine is
// reached through drive Z:.
inline std::wstring builtProgramPath()
{
    std::string path = MURAX_EXE;
    if (!path.empty() && path.front() == '/') {
        path = "Z:" + path;
        for (char& c : path)
            c = c == '/' ? '\\' : c;
    }
    return wideText(path);
}

}  // namespace murax::testing
