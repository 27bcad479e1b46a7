// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/native_file.h"

#include <algorithm>
#include <utility>

#include <windows.h>

#include "support/platform/wide_text_windows.h"

namespace murax {
namespace {

HANDLE asHandle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

constexpr std::intptr_t kNoHandle = -1;  // INVALID_HANDLE_VALUE

// ReadFile takes a 32-bit count; larger reads come in pieces.
DWORD chunk(std::size_t size)
{
    return static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
}

}  // namespace

NativeFile NativeFile::openForReading(const std::string& path)
{
    NativeFile file;
    // Shared for reading and writing, as the C library's own opening of a file to read is.
    const HANDLE handle = CreateFileW(wideText(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    file.handle_ = reinterpret_cast<std::intptr_t>(handle);
    if (handle == INVALID_HANDLE_VALUE) {
        file.error_ = static_cast<int>(GetLastError());
        return file;
    }
    file.seekable_ = GetFileType(handle) == FILE_TYPE_DISK;
    return file;
}

NativeFile::NativeFile(NativeFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)),
      error_(other.error_),
      seekable_(other.seekable_)
{}

NativeFile::~NativeFile()
{
    if (isOpen())
        CloseHandle(asHandle(handle_));
}

bool NativeFile::isOpen() const
{
    return asHandle(handle_) != INVALID_HANDLE_VALUE;
}

std::optional<std::uint64_t> NativeFile::regularFileSize() const
{
    if (GetFileType(asHandle(handle_)) != FILE_TYPE_DISK)
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(asHandle(handle_), &size))
        return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::ptrdiff_t NativeFile::read(char* buffer, std::size_t size)
{
    DWORD got = 0;
    const DWORD wanted = chunk(size);
    if (!ReadFile(asHandle(handle_), buffer, wanted, &got, nullptr)) {
        const DWORD error = GetLastError();
        if (error == ERROR_BROKEN_PIPE)
            return 0;  // the writing end of a pipe has closed: its end
        error_ = static_cast<int>(error);
        return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
}

std::ptrdiff_t NativeFile::readAt(std::uint64_t offset, char* buffer, std::size_t size)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    if (!ReadFile(asHandle(handle_), buffer, chunk(size), &got, &at)) {
        const DWORD error = GetLastError();
        if (error == ERROR_HANDLE_EOF)
            return 0;
        error_ = static_cast<int>(error);
        return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
}

std::uint64_t memoryTheProcessMayHave()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return UINT64_MAX;
    return std::min<std::uint64_t>(status.ullTotalPhys, status.ullTotalVirtual);
}

}  // namespace murax
