// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/child_process.h"

#include <windows.h>

#include "support/platform/native_handle_windows.h"
#include "support/platform/wide_text_windows.h"

namespace murax {

std::optional<int> runAndWaitFor(const std::string& commandLine, int pollMilliseconds,
                                 const std::function<void()>& betweenPolls)
{
    // The line is handed over as it is: the program is its first token, by the system's rules.
    std::wstring line = wideText(commandLine);
    if (line.find_first_not_of(L" \t") == std::wstring::npos)
        return std::nullopt;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                        &process))
        return std::nullopt;
    const NativeHandle processHandle(process.hProcess);
    const NativeHandle threadHandle(process.hThread);
    while (WaitForSingleObject(processHandle.get(), static_cast<DWORD>(pollMilliseconds)) ==
           WAIT_TIMEOUT) {
        if (betweenPolls)
            betweenPolls();
    }
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(processHandle.get(), &exitCode))
        return std::nullopt;
    return static_cast<int>(exitCode);
}

}  // namespace murax
