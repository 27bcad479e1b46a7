// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/scratch_file.h"

#include <windows.h>

#include "support/error_record.h"
#include "support/platform/file_error.h"
#include "support/platform/native_file.h"
#include "support/platform/native_handle_windows.h"
#include "support/platform/os_error.h"
#include "support/platform/wide_text_windows.h"

namespace murax {
namespace {

bool isNameTaken(DWORD error)
{
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

HANDLE handleOf(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

int ScratchFile::createUnder(const std::string& prefix, const std::function<std::string()>& newName)
{
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path_ = prefix + newName();
        // CREATE_NEW never opens what is there, a link included.
        const HANDLE file = CreateFileW(wideText(path_).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            handle_ = reinterpret_cast<std::intptr_t>(file);
            created_ = true;
            return 0;
        }
        error = GetLastError();
        if (!isNameTaken(error))
            break;
    }
    return static_cast<int>(error);
}

int ScratchFile::makeFolderUnder(const std::string& parent,
                                 const std::function<std::string()>& newName)
{
    DWORD error = ERROR_ALREADY_EXISTS;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path_ = parent + newName();
        // Fails on anything that is there, a link included. The folder inherits the TEMP
        // folder's permissions, which are the user's own.
        if (CreateDirectoryW(wideText(path_).c_str(), nullptr)) {
            folder_ = path_;
            return 0;
        }
        error = GetLastError();
        if (!isNameTaken(error))
            break;
    }
    return static_cast<int>(error);
}

int ScratchFile::write(std::string_view bytes)
{
    const HANDLE file = handleOf(handle_);
    const bool written = writeAllTo(file, bytes.data(), bytes.size());
    const DWORD error = written ? 0 : GetLastError();
    // Not held open: a Windows editor that saves by replacing or deleting the file would fail
    // on a file that another handle keeps.
    CloseHandle(file);
    handle_ = -1;
    return static_cast<int>(error);
}

void ScratchFile::removeMade() noexcept
{
    if (handle_ != -1)
        CloseHandle(handleOf(handle_));
    handle_ = -1;
    // A link put in the file's place is deleted as a link.
    if (created_)
        DeleteFileW(wideText(path_).c_str());
    created_ = false;
    // Fails harmlessly when the hex editor left files of its own there; the next start-up clean-up
    // removes them with the folder.
    if (!folder_.empty())
        RemoveDirectoryW(wideText(folder_).c_str());
    folder_.clear();
}

char ScratchFile::separator()
{
    return '\\';
}

ScratchContent ScratchFile::readBack(std::source_location where) const
{
    const std::wstring path = wideText(path_);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES && isMissingFile(static_cast<int>(GetLastError())))
        return {ScratchContent::Found::Nothing, {}};
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)))
        return {ScratchContent::Found::NotAPlainFile, {}};
    NativeFile file = NativeFile::openForReading(path_);
    if (!file.isOpen())
        raiseFileError({gencode::Open, "FOPEN", "Open error", file.error()}, path_, where);
    ScratchContent content{ScratchContent::Found::File, {}};
    if (!file.readAll(content.bytes))
        raiseFileError({gencode::Read, "FREAD", "Read error", file.error()}, path_, where);
    return content;
}

}  // namespace murax
