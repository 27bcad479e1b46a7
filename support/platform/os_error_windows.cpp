// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/os_error.h"

#include <windows.h>

#include "support/platform/wide_text_windows.h"

namespace murax {

int osCodeOf(int error, const std::string&)
{
    // A name too long for the system is a path the system cannot find, as on POSIX.
    return error == ERROR_FILENAME_EXCED_RANGE ? ERROR_PATH_NOT_FOUND : error;
}

bool isDiskFull(int error)
{
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

bool isMissingFile(int error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool isAccessRefused(int error)
{
    return error == ERROR_ACCESS_DENIED;
}

int lastSystemError()
{
    return static_cast<int>(GetLastError());
}

void setLastSystemError(int error)
{
    SetLastError(static_cast<DWORD>(error));
}

std::string systemErrorText(int error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string result = length > 0 ? utf8Text(text, length) : std::string();
    LocalFree(text);
    while (!result.empty() &&
           (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    return result.empty() ? "error " + std::to_string(error) : result;
}

}  // namespace murax
