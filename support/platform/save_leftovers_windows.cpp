// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/save_leftovers.h"

#include <windows.h>

#include "support/platform/wide_text_windows.h"

namespace murax {

void removeSaveLeftovers(const std::string& folder)
{
    const std::wstring base = wideText(folder.empty() ? "." : folder) + L"\\";
    const std::wstring pattern = base + wideText(std::string(kSaveFilePrefix)) + L"??????";
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        // A writer holds its file open and shared with no one, so deleting it fails while it
        // writes; links and folders are never ours.
        if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
            wcslen(found.cFileName) == kSaveFilePrefix.size() + 6)
            DeleteFileW((base + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace murax
