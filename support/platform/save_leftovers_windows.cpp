// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/save_leftovers.h"

#include "support/platform/native_handle_windows.h"
#include "support/platform/wide_text_windows.h"

namespace murax {

void removeSaveLeftovers(const std::string& folder)
{
    // A writer holds its file open and shared with no one, so deleting it fails while it
    // writes; links and folders are never ours.
    forEachEntry(wideText(folder.empty() ? "." : folder) + L"\\", isSaveFileName,
                 [](const std::wstring& path, DWORD attributes) {
                     if (!(attributes & kNotAFile))
                         DeleteFileW(path.c_str());
                 });
}

}  // namespace murax
