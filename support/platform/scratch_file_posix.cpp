// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/scratch_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/error_record.h"
#include "support/platform/file_descriptor_posix.h"
#include "support/platform/file_error.h"

namespace murax {

int ScratchFile::createUnder(const std::string& prefix, const std::function<std::string()>& newName)
{
    int err = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path_ = prefix + newName();
        const int fd = ::open(
            path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
        if (fd >= 0) {
            handle_ = fd;
            created_ = true;
            tryLockExclusively(fd);
            return 0;
        }
        err = errno;
        if (err != EEXIST)
            break;
    }
    return err;
}

int ScratchFile::makeFolderUnder(const std::string& parent,
                                 const std::function<std::string()>& newName)
{
    int err = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path_ = parent + newName();
        // mkdir never follows a link planted under the name, and fails when anything is there.
        if (::mkdir(path_.c_str(), 0700) == 0) {
            folder_ = path_;
            return 0;
        }
        err = errno;
        if (err != EEXIST)
            break;
    }
    return err;
}

int ScratchFile::write(std::string_view bytes)
{
    errno = 0;
    return writeAllTo(static_cast<int>(handle_), bytes) ? 0 : errno;
}

void ScratchFile::removeMade() noexcept
{
    if (created_)
        ::unlink(path_.c_str());
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
    handle_ = -1;
    created_ = false;
    // Fails harmlessly when the hex editor left files of its own there; the next start-up clean-up
    // removes them with the folder.
    if (!folder_.empty())
        ::rmdir(folder_.c_str());
    folder_.clear();
}

char ScratchFile::separator()
{
    return '/';
}

ScratchContent ScratchFile::readBack(std::source_location where) const
{
    errno = 0;
    const UniqueFd file(
        ::open(path_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file && errno == ELOOP)
        return {ScratchContent::Found::NotAPlainFile, {}};
    if (!file && errno == ENOENT)
        return {ScratchContent::Found::Nothing, {}};
    if (!file)
        raiseFileError({gencode::Open, "FOPEN", "Open error", errno}, path_, where);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return {ScratchContent::Found::NotAPlainFile, {}};
    ScratchContent content{ScratchContent::Found::File, {}};
    errno = 0;
    if (!readAllFrom(file.get(), content.bytes))
        raiseFileError({gencode::Read, "FREAD", "Read error", errno}, path_, where);
    return content;
}

}  // namespace murax
