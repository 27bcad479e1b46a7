// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "support/platform/file_identity.h"

namespace murax {

// A file open for reading, through the system's own calls, with the system's error codes.
class NativeFile {
public:
    // Opens `path` for reading; isOpen() and error() tell how it went.
    static NativeFile openForReading(const std::string& path);

    NativeFile(NativeFile&& other) noexcept;
    NativeFile& operator=(NativeFile&&) = delete;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;
    ~NativeFile();

    bool isOpen() const;
    int error() const { return error_; }  // the system error of the last failure
    // The size of a plain file; nothing for anything else (a folder, a device, a pipe).
    std::optional<std::uint64_t> regularFileSize() const;
    // A plain file, which can be read at any offset (not a pipe or a device).
    bool seekable() const { return seekable_; }
    // Which file is open, to tell it from the file a name leads to (see identityOf); nothing
    // where the system cannot tell.
    std::optional<FileIdentity> identity() const;
    // Reads up to `size` bytes: how many were read, 0 at the end, -1 on an error.
    std::ptrdiff_t read(char* buffer, std::size_t size);
    // The same at `offset` of a seekable file, leaving the file position alone.
    std::ptrdiff_t readAt(std::uint64_t offset, char* buffer, std::size_t size);
    // Reads to the end, appending to `data`; false on an error.
    bool readAll(std::string& data);

private:
    friend class MappedView;
    NativeFile() = default;
    std::intptr_t handle_ = -1;
    int error_ = 0;
    bool seekable_ = false;
};

// The most memory this process can be given: the machine's memory, or less where a limit is set.
std::uint64_t memoryTheProcessMayHave();

}  // namespace murax
