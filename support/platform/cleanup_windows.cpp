// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/cleanup.h"

#include <functional>

#include <windows.h>

#include "support/cleanup_names.h"
#include "support/platform/native_handle_windows.h"
#include "support/platform/save_leftovers.h"
#include "support/platform/wide_text_windows.h"

namespace murax {
namespace {

// A file of the folder is deleted, a link as a link (its target never touched); folders are
// left alone. A scratch file that a running copy still holds cannot be deleted and stays.
void deleteFilesOf(const std::wstring& folder, const std::function<bool(std::string_view)>& wanted)
{
    forEachEntry(folder, wanted, [](const std::wstring& path, DWORD attributes) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return;  // a folder, or a link to one
        // The system's own listing leaves hidden and system files out.
        if (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
            return;
        DeleteFileW(path.c_str());
    });
}

// Empties one 0x7F folder of the TEMP folder (read-only files included, sub-folders not
// entered), stopping at the first file that cannot be deleted, and removes it. A link to a
// folder (a reparse point) is never entered.
void emptyAndRemoveTemporaryFolder(const std::wstring& folder, DWORD attributes)
{
    if ((attributes & kNotAFile) != FILE_ATTRIBUTE_DIRECTORY)
        return;
    bool stopped = false;
    forEachEntry(
        folder + L"\\", [](std::string_view) { return true; },
        [&stopped](const std::wstring& path, DWORD inner) {
            if (stopped || (inner & FILE_ATTRIBUTE_DIRECTORY))
                return;
            if (inner & FILE_ATTRIBUTE_READONLY)
                SetFileAttributesW(path.c_str(), inner & ~FILE_ATTRIBUTE_READONLY);
            stopped = !DeleteFileW(path.c_str());
        });
    RemoveDirectoryW(folder.c_str());  // fails harmlessly when something is left inside
}

}  // namespace

std::string tempFolder()
{
    // TEMP first, as on every system: GetTempPathW alone would take TMP before it.
    wchar_t variable[MAX_PATH * 4];
    const DWORD set =
        GetEnvironmentVariableW(L"TEMP", variable, static_cast<DWORD>(std::size(variable)));
    if (set > 0 && set < std::size(variable))
        return utf8Text(variable, set);
    wchar_t path[MAX_PATH + 1];
    const DWORD length = GetTempPathW(static_cast<DWORD>(std::size(path)), path);
    if (length == 0 || length > MAX_PATH)
        return {};
    std::string folder = utf8Text(path, length);
    if (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    return folder;
}

void startupCleanup()
{
    deleteFilesOf(L".\\", isTemporaryName);
    removeSaveLeftovers(".");
    if (const std::string temp = tempFolder(); !temp.empty())
        forEachEntry(wideText(temp) + L"\\", isTemporaryName, emptyAndRemoveTemporaryFolder);
}

void exitCleanup()
{
    deleteFilesOf(L".\\", isIndexFileName);
}

}  // namespace murax
