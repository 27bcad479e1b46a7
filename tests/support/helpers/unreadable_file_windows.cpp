// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/helpers/unreadable_file.h"

#include <windows.h>

#include "support/platform/wide_text_windows.h"

namespace murax::testing {

std::shared_ptr<void> makeUnreadableFile(const std::string& path)
{
    const HANDLE held = CreateFileW(wideText(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return std::shared_ptr<void>(held, [](HANDLE handle) { CloseHandle(handle); });
}

}  // namespace murax::testing
