// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>

#include <windows.h>

#include "support/platform/native_handle_windows.h"
#include "support/platform/recovery_file.h"
#include "support/platform/replacing_write.h"
#include "support/platform/save_leftovers.h"
#include "support/platform/wide_text_windows.h"
#include "support/runtime_errors.h"

namespace murax {
namespace {

constexpr int kSiblingAttempts = 100;

using Outcome = std::optional<ReplaceFailure>;

Outcome failed(int gencode, const char* operation, const char* description, DWORD error)
{
    return ReplaceFailure{{gencode, operation, description, static_cast<int>(error)}, {}, {}};
}

Outcome createFailed(DWORD error)
{
    return failed(gencode::Create, "FCREATE", "Create error", error);
}

Outcome writeFailed(DWORD error)
{
    return failed(gencode::Write, "FWRITE", "Write error", error);
}

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
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
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

// Writes over the target's own bytes, for a tape whose folder takes no new file or that has
// other names (hard links) that must see the new bytes too. A full copy of the new bytes goes to
// the user's data folder first and stays there if the write fails half-way.
Outcome writeInPlace(const std::wstring& target, const ByteParts& parts)
{
    const std::string copy = writeSafetyCopy(utf8Text(target), parts);
    if (copy.empty()) {
        Outcome failure = createFailed(GetLastError());
        failure->safetyCopyFolder = userDataFolder();
        return failure;
    }
    NativeHandle file(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        DeleteFileW(wideText(copy).c_str());
        return createFailed(error);
    }
    if (!writePartsTo(file.get(), parts) || !SetEndOfFile(file.get()) ||
        !FlushFileBuffers(file.get()) || !file.close()) {
        Outcome failure = writeFailed(GetLastError());
        failure->safetyCopy = copy;
        return failure;
    }
    DeleteFileW(wideText(copy).c_str());
    return std::nullopt;
}

// The new file beside the target: a short name of its own, created new and shared with no one
// while it is written, so that no clean-up can delete it meanwhile.
NativeHandle createSibling(const std::wstring& folder, std::wstring& sibling, DWORD& error)
{
    for (int attempt = 0; attempt < kSiblingAttempts; ++attempt) {
        sibling = folder + L"\\" + wideText(std::string(kSaveFilePrefix)) + uniqueNamePart();
        NativeHandle file(CreateFileW(sibling.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file)
            return file;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return {};
    }
    return {};
}

}  // namespace

std::optional<ReplaceFailure> replaceFileContents(const std::string& path, const ByteParts& parts,
                                                  LinksInTheWay links)
{
    std::wstring target = absolutePathOf(wideText(path));
    DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND)
        return createFailed(GetLastError());
    if (exists && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        if (links == LinksInTheWay::Refuse)
            return createFailed(ERROR_ACCESS_DENIED);
        const auto final = finalPathOf(target);
        if (!final)
            return createFailed(GetLastError());
        target = *final;
        attributes = GetFileAttributesW(target.c_str());
    }

    bool manyNames = false;
    if (exists) {
        // A folder, or a tape marked read-only: refused, nothing changed.
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            return createFailed(ERROR_ACCESS_DENIED);
        constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        const NativeHandle probe(CreateFileW(target.c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!probe)
            return createFailed(GetLastError());
        BY_HANDLE_FILE_INFORMATION information{};
        manyNames =
            GetFileInformationByHandle(probe.get(), &information) && information.nNumberOfLinks > 1;
    }

    const std::wstring folder = folderOf(target);
    removeSaveLeftovers(utf8Text(folder));
    if (manyNames)
        return writeInPlace(target, parts);

    std::wstring sibling;
    DWORD error = ERROR_FILE_EXISTS;
    NativeHandle file = createSibling(folder, sibling, error);
    if (!file) {
        if (exists && error == ERROR_ACCESS_DENIED)
            return writeInPlace(target, parts);
        return createFailed(error);
    }
    if (!writePartsTo(file.get(), parts) || !FlushFileBuffers(file.get())) {
        const DWORD writeError = GetLastError();
        file.close();
        DeleteFileW(sibling.c_str());
        return writeFailed(writeError);
    }
    if (!file.close()) {
        const DWORD closeError = GetLastError();
        DeleteFileW(sibling.c_str());
        return failed(gencode::Write, "FCLOSE", "Close error", closeError);
    }
    // ReplaceFileW keeps the replaced file's security, streams and creation time; its plain
    // attributes (hidden, archive...) are given back afterwards.
    const bool replaced =
        exists ? ReplaceFileW(target.c_str(), sibling.c_str(), nullptr,
                              REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                              nullptr, nullptr) != 0
               : MoveFileExW(sibling.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!replaced) {
        const DWORD replaceError = GetLastError();
        DeleteFileW(sibling.c_str());
        return failed(gencode::Create, "FRENAME", "Create error", replaceError);
    }
    if (exists)
        SetFileAttributesW(target.c_str(), attributes);
    return std::nullopt;
}

}  // namespace murax
