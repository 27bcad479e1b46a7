// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/input_file.h"

#include <algorithm>
#include <utility>

#include <windows.h>

#include "support/wide_text_windows.h"

namespace murax::lister {
namespace {

HANDLE asHandle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

DWORD chunk(std::size_t size)
{
    return static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
}

}  // namespace

InputFile InputFile::open(const std::string& path)
{
    InputFile file;
    // Shared for reading and writing, as the C library's own opening of a file to read is.
    const HANDLE handle = CreateFileW(wideText(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    file.handle_ = reinterpret_cast<std::intptr_t>(handle);
    if (handle == INVALID_HANDLE_VALUE) {
        file.error_ = static_cast<int>(GetLastError());
        return file;
    }
    file.seekable_ = GetFileType(handle) == FILE_TYPE_DISK;
    return file;
}

InputFile::InputFile(InputFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), error_(other.error_), seekable_(other.seekable_)
{
}

InputFile::~InputFile()
{
    if (isOpen())
        CloseHandle(asHandle(handle_));
}

bool InputFile::isOpen() const
{
    return asHandle(handle_) != INVALID_HANDLE_VALUE;
}

std::ptrdiff_t InputFile::read(char* buffer, std::size_t size)
{
    DWORD got = 0;
    if (!ReadFile(asHandle(handle_), buffer, chunk(size), &got, nullptr)) {
        const DWORD error = GetLastError();
        if (error == ERROR_BROKEN_PIPE)
            return 0;  // the writing end of a pipe has closed: its end
        error_ = static_cast<int>(error);
        return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
}

std::ptrdiff_t InputFile::readAt(std::uint64_t offset, char* buffer, std::size_t size)
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

}  // namespace murax::lister
