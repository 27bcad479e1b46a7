// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

#include "support/byte_parts.h"

namespace murax {

// An open file descriptor, closed when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release();
    void reset(int fd = -1);
    // Closes now and tells whether the close succeeded (errno set when not).
    bool close();

private:
    int fd_ = -1;
};

// A folder opened for the calls that take one (openat, fsync...); "" is the current folder.
UniqueFd openFolder(const std::string& path);

// Calls `visit` with the name of each entry of the folder open as `folderFd` but "." and "..",
// until it returns false. `folderFd` stays open and can be used meanwhile.
void forEachName(int folderFd, const std::function<bool(const char* name)>& visit);

// Writes every byte, through short writes and interruptions; false (errno set) on failure.
bool writeAllTo(int fd, std::string_view bytes);
bool writePartsTo(int fd, const ByteParts& parts);

// Reads from the descriptor to its end, appending to `data`; false (errno set) on a read error.
bool readAllFrom(int fd, std::string& data);

// Takes the descriptor's advisory lock for this program's own files (scratch and half-written
// save files) without waiting; false when another holder has it. A clean-up that cannot take it
// knows that a running program is still using the file.
bool tryLockExclusively(int fd);

// Whether a regular file in the folder open as `folderFd` is owned by the effective user and not
// locked by a running program (see tryLockExclusively), so that a clean-up may remove it. When
// true, the file is removed by name if it is still the file that was checked.
bool removeIfOwnedAndUnlocked(int folderFd, const char* name);

// The permission bits a new file gets from the process's umask.
mode_t modeForNewFile();

}  // namespace murax
