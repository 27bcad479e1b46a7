// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/file_identity.h"

#include <windows.h>

#include "support/platform/native_file.h"
#include "support/platform/native_handle_windows.h"
#include "support/platform/wide_text_windows.h"

namespace murax {
namespace {

std::optional<FileIdentity> identityOfHandle(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information))
        return std::nullopt;
    return FileIdentity{
        information.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

}  // namespace

std::optional<FileIdentity> NativeFile::identity() const
{
    return identityOfHandle(reinterpret_cast<HANDLE>(handle_));
}

std::optional<FileIdentity> identityOf(const std::string& path)
{
    // No access asked: only the file's information is wanted, of a folder too.
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const NativeHandle file(CreateFileW(wideText(path).c_str(), 0, kShareAll, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file)
        return std::nullopt;
    return identityOfHandle(file.get());
}

std::optional<FileIdentity> standardOutputIdentity()
{
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE ||
        GetFileType(output) != FILE_TYPE_DISK)
        return std::nullopt;
    return identityOfHandle(output);
}

std::optional<int> writeToDevice(const std::string& path, const ByteParts& parts)
{
    // What a name is shows only once it is open; a plain file opened here is closed unchanged.
    const NativeHandle file(CreateFileW(wideText(path).c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    const DWORD type = GetFileType(file.get());
    if (type != FILE_TYPE_CHAR && type != FILE_TYPE_PIPE)
        return std::nullopt;
    if (!writePartsTo(file.get(), parts))
        return static_cast<int>(GetLastError());
    return 0;
}

}  // namespace murax
