// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/new_file_sys.h"
#include "support/platform/wide_text_windows.h"

namespace murax {

OpenFile createNewFile(const std::string& path)
{
    return NativeHandle(CreateFileW(wideText(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}

NewFileResult creationRefusal(int error)
{
    switch (static_cast<DWORD>(error)) {
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

OpenFile createUnderShortName(const std::string& folder, const std::string& suffix,
                              std::string& name)
{
    // No call makes a file under a unique name: names are drawn until one is free.
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = folder + "\\murax-" + utf8Text(uniqueNamePart()) + suffix;
        if (OpenFile file = createNewFile(name))
            return file;
        if (creationRefusal(static_cast<int>(GetLastError())) != NewFileResult::NameTaken)
            break;
    }
    return {};
}

bool flushToDisk(const OpenFile& file)
{
    return FlushFileBuffers(file.get()) != 0;
}

}  // namespace murax
