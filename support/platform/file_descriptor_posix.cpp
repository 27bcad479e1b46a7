// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/file_descriptor_posix.h"

#include <cerrno>
#include <string_view>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace murax {

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept
{
    if (this != &other)
        reset(other.release());
    return *this;
}

int UniqueFd::release()
{
    return std::exchange(fd_, -1);
}

void UniqueFd::reset(int fd)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
}

bool UniqueFd::close()
{
    return fd_ < 0 || ::close(release()) == 0;
}

UniqueFd openFolder(const std::string& path)
{
    return UniqueFd(::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

void forEachName(int folderFd, const std::function<bool(const char* name)>& visit)
{
    // The listing reads through a descriptor of its own, which closedir closes.
    UniqueFd listFd(::dup(folderFd));
    DIR* listing = listFd ? ::fdopendir(listFd.get()) : nullptr;
    if (!listing)
        return;
    listFd.release();
    ::rewinddir(listing);
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != ".." && !visit(entry->d_name))
            break;
    }
    ::closedir(listing);
}

bool writeAllTo(int fd, std::string_view bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

bool writePartsTo(int fd, const ByteParts& parts)
{
    return parts.writeTo([fd](std::string_view piece) { return writeAllTo(fd, piece); });
}

bool readAllFrom(int fd, std::string& data)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        data.append(buffer, static_cast<std::size_t>(got));
    }
}

bool tryLockExclusively(int fd)
{
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool removeIfOwnedAndUnlocked(int folderFd, const char* name)
{
    const UniqueFd file(
        ::openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file)
        return false;
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_uid != ::geteuid() || !tryLockExclusively(file.get()))
        return false;
    // The name may have been given to another file since it was opened: remove only ours.
    struct stat named {};
    if (::fstatat(folderFd, name, &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        return false;
    return ::unlinkat(folderFd, name, 0) == 0;
}

mode_t modeForNewFile()
{
    // The only way to read the umask is to set it; the program has one thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace murax
