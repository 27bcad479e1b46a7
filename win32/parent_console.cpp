// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/parent_console.h"

#include <algorithm>

#include <windows.h>

#include "support/platform/wide_text_windows.h"

namespace murax {
namespace {

bool writeAll(HANDLE handle, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!WriteFile(handle, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

bool writeToConsole(HANDLE console, const std::string& utf8)
{
    // A console shows "\n" as a line break already; the text goes over in UTF-16 so that the
    // console's code page does not matter.
    const std::wstring text = wideText(utf8);
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 8192));
        if (!WriteConsoleW(console, text.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

}  // namespace

bool writeToStartingConsole(const std::string& utf8)
{
    // Handed down by the starting program when it redirected the output ("murax --help > x").
    const HANDLE inherited = GetStdHandle(STD_OUTPUT_HANDLE);
    if (inherited != nullptr && inherited != INVALID_HANDLE_VALUE &&
        GetFileType(inherited) != FILE_TYPE_UNKNOWN)
        return isConsole(inherited) ? writeToConsole(inherited, utf8) : writeAll(inherited, utf8);

    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE)
        return false;
    const bool written = writeToConsole(console, utf8);
    CloseHandle(console);
    return written;
}

}  // namespace murax
