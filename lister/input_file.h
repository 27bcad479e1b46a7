// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace murax::lister {

// A tape file open for reading through the system's own calls: read in order, or, for a plain
// file, read at any offset, so that what the listing does not need is never read.
class InputFile {
public:
    static InputFile open(const std::string& path);

    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&&) = delete;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    bool isOpen() const;
    int error() const { return error_; }  // the system error of the last failure
    bool seekable() const { return seekable_; }  // a plain file, not a pipe or a device
    // Up to `size` bytes: how many were read, 0 at the end, -1 on an error.
    std::ptrdiff_t read(char* buffer, std::size_t size);
    std::ptrdiff_t readAt(std::uint64_t offset, char* buffer, std::size_t size);

private:
    InputFile() = default;
    std::intptr_t handle_ = -1;
    int error_ = 0;
    bool seekable_ = false;
};

}  // namespace murax::lister
