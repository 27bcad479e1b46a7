// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/helpers/system_windows1252.h"

#include <windows.h>

namespace murax::testing {

char32_t systemWindows1252(unsigned char byte)
{
    const char in = static_cast<char>(byte);
    wchar_t out = 0;
    if (MultiByteToWideChar(1252, MB_ERR_INVALID_CHARS, &in, 1, &out, 1) != 1)
        return 0;
    return static_cast<char32_t>(out);
}

}  // namespace murax::testing
