// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "support/byte_parts.h"

namespace murax {

// What tells one file from another whatever names lead to it, hard and symbolic links included:
// the device and inode number; on Windows the volume's serial number and the file's index.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of what `path` names, links followed; nothing when nothing is there or the system
// cannot tell (see also NativeFile::identity for a file already open).
std::optional<FileIdentity> identityOf(const std::string& path);

// The identity of the plain file that standard output writes to (redirected to a file, or opened
// on one by the caller); nothing for a terminal, a pipe or a device, which no write of ours can
// spoil, and where the system cannot tell.
std::optional<FileIdentity> standardOutputIdentity();

// Writes `parts` as they are to the character device or pipe that `path` names (/dev/null, a
// terminal, a FIFO; on Windows NUL, CON, a named pipe), which a replacing write cannot replace.
// Nothing when `path` names no such thing (a plain file, a folder, nothing at all), else 0 or the
// system's error.
std::optional<int> writeToDevice(const std::string& path, const ByteParts& parts);

}  // namespace murax
