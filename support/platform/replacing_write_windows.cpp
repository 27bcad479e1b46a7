// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/replacing_write_sys.h"
#include "support/platform/save_leftovers.h"
#include "support/platform/wide_text_windows.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The path made absolute: the folder of a bare name is otherwise "." and some implementations of
// ReplaceFileW take no relative names.
std::wstring absolutePathOf(const std::wstring& path)
{
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return path;
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length)
        return path;
    full.resize(written);
    return full;
}

// The file a link leads to, for a target that is a link.
std::optional<std::wstring> finalPathOf(const std::wstring& path)
{
    const NativeHandle file(CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file)
        return std::nullopt;
    std::wstring final(MAX_PATH, L'\0');
    const auto finalPath = [&] {
        return GetFinalPathNameByHandleW(file.get(), final.data(), static_cast<DWORD>(final.size()),
                                         FILE_NAME_NORMALIZED);
    };
    DWORD length = finalPath();
    if (length >= final.size()) {
        final.resize(length);
        length = finalPath();
    }
    if (length == 0 || length >= final.size())
        return std::nullopt;
    final.resize(length);
    return final;
}

}  // namespace

std::optional<ReplaceTarget> findTarget(const std::string& path, LinksInTheWay links)
{
    std::wstring file = absolutePathOf(wideText(path));
    DWORD attributes = GetFileAttributesW(file.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND)
        return std::nullopt;
    if (exists && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        if (links == LinksInTheWay::Refuse) {
            SetLastError(ERROR_ACCESS_DENIED);
            return std::nullopt;
        }
        const auto final = finalPathOf(file);
        if (!final)
            return std::nullopt;
        file = *final;
        attributes = GetFileAttributesW(file.c_str());
    }
    ReplaceTarget target{.path = file, .folder = folderOf(file), .exists = exists};
    if (!exists)
        return target;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return std::nullopt;
    }
    const NativeHandle probe(CreateFileW(file.c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    target.manyNames =
        GetFileInformationByHandle(probe.get(), &information) && information.nNumberOfLinks > 1;
    target.attributes = attributes;
    return target;
}

OpenFile createSibling(const fs::path& folder, fs::path& sibling)
{
    constexpr int kAttempts = 100;
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        sibling =
            folder.native() + L"\\" + wideText(std::string(kSaveFilePrefix)) + uniqueNamePart();
        NativeHandle file(CreateFileW(sibling.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file)
            return file;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    SetLastError(error);
    return {};
}

bool takeOverAccess(const OpenFile&, const ReplaceTarget&)
{
    return true;
}

// A file shared with no one cannot be renamed while it is open.
const bool kRenamesAnOpenFile = false;

bool putInPlace(const fs::path& sibling, const ReplaceTarget& target)
{
    // ReplaceFileW keeps the replaced file's security, streams and creation time; its plain
    // attributes (hidden, archive...) are given back afterwards.
    if (!target.exists)
        return MoveFileExW(sibling.c_str(), target.path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ReplaceFileW(target.path.c_str(), sibling.c_str(), nullptr,
                      REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                      nullptr))
        return false;
    SetFileAttributesW(target.path.c_str(), target.attributes);
    return true;
}

OpenFile openInPlace(const fs::path& path)
{
    return NativeHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool endAndFlush(const OpenFile& file)
{
    return SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
}

}  // namespace murax
