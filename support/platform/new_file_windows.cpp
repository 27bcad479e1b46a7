// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/new_file.h"

#include <windows.h>

#include "support/platform/native_handle_windows.h"
#include "support/platform/wide_text_windows.h"

namespace murax {
namespace {

constexpr int kShortNameAttempts = 100;

bool finishWriting(NativeHandle& file, const ByteParts& parts)
{
    const bool written = writePartsTo(file.get(), parts) && FlushFileBuffers(file.get());
    return file.close() && written;
}

void removeKeepingError(const std::wstring& path)
{
    const DWORD error = GetLastError();
    DeleteFileW(path.c_str());
    SetLastError(error);
}

}  // namespace

NewFileResult writeNewFile(const std::string& path, const ByteParts& parts)
{
    const std::wstring wide = wideText(path);
    NativeHandle file(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        switch (GetLastError()) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return NewFileResult::NameTaken;
        // A name longer than the file system takes is refused as too long, or, by some file
        // systems, as invalid: the name that is tried here is the tape's own with an ending.
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_INVALID_NAME:
            return NewFileResult::NameTooLong;
        default:
            return NewFileResult::Failed;
        }
    }
    if (!finishWriting(file, parts)) {
        removeKeepingError(wide);
        return NewFileResult::Failed;
    }
    return NewFileResult::Written;
}

std::string writeNewFileUnderShortName(const std::string& folder, const std::string& suffix,
                                       const ByteParts& parts)
{
    const std::string base = (folder.empty() ? std::string(".") : folder) + "\\murax-";
    for (int attempt = 0; attempt < kShortNameAttempts; ++attempt) {
        const std::string name = base + utf8Text(uniqueNamePart()) + suffix;
        switch (writeNewFile(name, parts)) {
        case NewFileResult::Written:
            return name;
        case NewFileResult::NameTaken:
            continue;
        default:
            return {};
        }
    }
    return {};
}

}  // namespace murax
