// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "support/platform/replacing_write_sys.h"
#include "support/platform/save_leftovers.h"

namespace fs = std::filesystem;

namespace murax {

std::optional<ReplaceTarget> findTarget(const std::string& path, LinksInTheWay links)
{
    ReplaceTarget target;
    target.path = path;
    if (links == LinksInTheWay::Follow) {
        std::error_code ec;
        if (fs::path resolved = fs::weakly_canonical(target.path, ec); !ec)
            target.path = resolved;
    }
    target.folder = target.path.parent_path();
    if (::lstat(target.path.c_str(), &target.status) != 0)
        return errno == ENOENT ? std::optional(target) : std::nullopt;
    if (!S_ISREG(target.status.st_mode)) {
        errno = S_ISDIR(target.status.st_mode) ? EISDIR : EACCES;
        return std::nullopt;
    }
    if (!UniqueFd(::open(target.path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)))
        return std::nullopt;
    target.exists = true;
    target.manyNames = target.status.st_nlink > 1;
    return target;
}

OpenFile createSibling(const fs::path& folder, fs::path& sibling)
{
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string name = (folder / (std::string(kSaveFilePrefix) + "XXXXXX")).string();
        UniqueFd file(::mkostemp(name.data(), O_CLOEXEC));
        if (!file)
            return {};
        // A clean-up may have taken the new file between its creation and the lock: start again
        // on another name unless the name still holds the file that is now locked.
        struct stat opened {
        }, named{};
        if (tryLockExclusively(file.get()) && ::fstat(file.get(), &opened) == 0 &&
            ::lstat(name.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
            opened.st_ino == named.st_ino) {
            sibling = name;
            return file;
        }
    }
    errno = EEXIST;
    return {};
}

bool takeOverAccess(const OpenFile& file, const ReplaceTarget& target)
{
    if (!target.exists)
        return ::fchmod(file.get(), modeForNewFile()) == 0;
    // Owner first: changing it may clear the set-id bits that the mode then restores.
    [[maybe_unused]] const int ignored =
        ::fchown(file.get(), target.status.st_uid, target.status.st_gid);
    return ::fchmod(file.get(), target.status.st_mode & 07777) == 0;
}

const bool kRenamesAnOpenFile = true;

bool putInPlace(const fs::path& sibling, const ReplaceTarget& target)
{
    if (::rename(sibling.c_str(), target.path.c_str()) != 0)
        return false;
    if (const UniqueFd folder = openFolder(target.folder.string()))
        ::fsync(folder.get());
    return true;
}

OpenFile openInPlace(const fs::path& path)
{
    return UniqueFd(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
}

bool endAndFlush(const OpenFile& file)
{
    return ::ftruncate(file.get(), ::lseek(file.get(), 0, SEEK_CUR)) == 0 &&
           ::fsync(file.get()) == 0;
}

}  // namespace murax
