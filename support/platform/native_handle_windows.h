// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <windows.h>

#include "support/byte_parts.h"

namespace murax {

// A Windows handle, closed when it goes.
class NativeHandle {
public:
    NativeHandle() = default;
    explicit NativeHandle(HANDLE handle) : handle_(handle) {}
    ~NativeHandle() { close(); }
    NativeHandle(NativeHandle&& other) noexcept : handle_(other.handle_)
    {
        other.handle_ = INVALID_HANDLE_VALUE;
    }
    NativeHandle& operator=(NativeHandle&& other) noexcept
    {
        if (this != &other) {
            close();
            handle_ = other.handle_;
            other.handle_ = INVALID_HANDLE_VALUE;
        }
        return *this;
    }
    NativeHandle(const NativeHandle&) = delete;
    NativeHandle& operator=(const NativeHandle&) = delete;

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    // Closes now; false (GetLastError set) when the close failed.
    bool close()
    {
        if (!*this)
            return true;
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Writes every byte; false (GetLastError set) on failure.
bool writeAllTo(HANDLE file, const char* data, std::size_t size);
bool writePartsTo(HANDLE file, const ByteParts& parts);

// Six characters that make a file name unique in its folder, as mkstemp's do.
std::wstring uniqueNamePart();

// The folder part of a path (what comes before its last separator), "." when there is none.
std::wstring folderOf(const std::wstring& path);

// What a listing's attributes show of an entry that is a folder or a link, never a file of ours.
constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;

// Calls `visit` with each entry of `folder` (a path ending in a separator) whose name `wanted`
// accepts. Hidden and system files are listed too, as on POSIX.
void forEachEntry(const std::wstring& folder, const std::function<bool(std::string_view)>& wanted,
                  const std::function<void(const std::wstring&, DWORD)>& visit);

}  // namespace murax
