// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/scratch_file.h"

#include <windows.h>

#include "support/error_record.h"
#include "support/platform/file_error.h"
#include "support/platform/native_file.h"
#include "support/platform/native_handle_windows.h"
#include "support/platform/wide_text_windows.h"

namespace murax {
ScratchFile::ScratchFile(const std::function<std::string()>& nextName, std::string_view bytes,
                         std::source_location where)
{
    DWORD error = ERROR_FILE_EXISTS;
    NativeHandle file;
    for (int attempt = 0; attempt < kNameAttempts && !file; ++attempt) {
        path_ = nextName();
        // CREATE_NEW never opens what is there, a link included.
        file = NativeHandle(CreateFileW(wideText(path_).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        error = GetLastError();
        if (!file && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    if (!file)
        raiseFileError({gencode::Create, "FCREATE", "Create error", static_cast<int>(error)}, path_,
                       where);
    if (!writeAllTo(file.get(), bytes.data(), bytes.size())) {
        // No destructor runs for an object whose construction failed.
        const DWORD writeError = GetLastError();
        file.close();
        DeleteFileW(wideText(path_).c_str());
        raiseFileError({gencode::Write, "FWRITE", "Write error", static_cast<int>(writeError)},
                       path_, where);
    }
    // Not held open: a Windows editor that saves by replacing or deleting the file would fail
    // on a file that another handle keeps.
}

ScratchFile::~ScratchFile()
{
    // Only a file this program created gets here: a failed creation raised before. A link put in
    // its place is deleted as a link.
    DeleteFileW(wideText(path_).c_str());
}

std::optional<std::string> ScratchFile::readBack(std::source_location where) const
{
    const std::wstring path = wideText(path_);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)))
        return std::nullopt;
    NativeFile file = NativeFile::openForReading(path_);
    if (!file.isOpen())
        raiseFileError({gencode::Open, "FOPEN", "Open error", file.error()}, path_, where);
    std::string data;
    if (!file.readAll(data))
        raiseFileError({gencode::Read, "FREAD", "Read error", file.error()}, path_, where);
    return data;
}

}  // namespace murax
