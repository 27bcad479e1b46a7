// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the replacing write asks of the system. replacing_write.cpp holds the policy and calls
// these; replacing_write_posix.cpp and replacing_write_windows.cpp implement them. Each call that
// can fail returns false or an empty file with the system's error set (see lastSystemError in
// os_error.h).

#include <filesystem>
#include <optional>

#include "support/platform/open_file.h"
#include "support/platform/os_error.h"
#include "support/platform/replacing_write.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace murax {

// The file that a replacing write is to fill, as the system finds it beforehand.
struct ReplaceTarget {
    std::filesystem::path path;  // a followed link's own file; absolute on Windows
    std::filesystem::path folder;
    bool exists = false;
    bool manyNames = false;  // other names (hard links) that must see the new bytes too
#ifdef _WIN32
    DWORD attributes = 0;  // given back after the replacement
#else
    struct stat status {};  // its owner and permissions go to the new file
#endif
};

// Finds the target, following a link or refusing it as `links` says. Refused: a folder, anything
// else that is not a tape (a device, a pipe, a link left standing), and a tape that the user may
// not write (on Windows also one marked read-only), even where its folder takes a new file.
std::optional<ReplaceTarget> findTarget(const std::string& path, LinksInTheWay links);

// The new file beside the target: a short name of its own (a long tape name leaves no room for a
// longer one), created new, readable by the user only, and held while it is written (locked on
// POSIX, shared with no one on Windows) so that no clean-up takes it meanwhile.
OpenFile createSibling(const std::filesystem::path& folder, std::filesystem::path& sibling);

// Gives the new file what it keeps of the target: on POSIX its owner (where the system allows)
// and permissions, or a new file's mode; on Windows the replacement itself keeps them.
bool takeOverAccess(const OpenFile& file, const ReplaceTarget& target);

// Whether the system renames a file that is still open, so that it stays held until it has taken
// the target's place; where it cannot, the file is closed first.
extern const bool kRenamesAnOpenFile;

// Puts the written sibling in the target's place in one step, to disk.
bool putInPlace(const std::filesystem::path& sibling, const ReplaceTarget& target);

// The existing target opened for writing over its own bytes.
OpenFile openInPlace(const std::filesystem::path& path);

// Ends the file where the writing stopped (an older, longer content is cut there) and flushes it
// to disk.
bool endAndFlush(const OpenFile& file);

}  // namespace murax
