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
ScratchFile::ScratchFile(const std::function<std::string()>& nextName, std::string_view bytes,
                         std::source_location where)
{
    int err = EEXIST;
    UniqueFd file;
    for (int attempt = 0; attempt < kNameAttempts && !file; ++attempt) {
        path_ = nextName();
        file.reset(::open(path_.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600));
        err = errno;
        if (!file && err != EEXIST)
            break;
    }
    if (!file)
        raiseFileError({gencode::Create, "FCREATE", "Create error", err}, path_, where);
    tryLockExclusively(file.get());
    errno = 0;
    if (!writeAllTo(file.get(), bytes)) {
        // No destructor runs for an object whose construction failed.
        const int writeErr = errno;
        ::unlink(path_.c_str());
        raiseFileError({gencode::Write, "FWRITE", "Write error", writeErr}, path_, where);
    }
    handle_ = file.release();
}

ScratchFile::~ScratchFile()
{
    // Only a file this program created gets here: a failed creation raised before.
    ::unlink(path_.c_str());
    ::close(static_cast<int>(handle_));
}

std::optional<std::string> ScratchFile::readBack(std::source_location where) const
{
    errno = 0;
    const UniqueFd file(
        ::open(path_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file && errno == ELOOP)
        return std::nullopt;
    if (!file)
        raiseFileError({gencode::Open, "FOPEN", "Open error", errno}, path_, where);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    std::string data;
    errno = 0;
    if (!readAllFrom(file.get(), data))
        raiseFileError({gencode::Read, "FREAD", "Read error", errno}, path_, where);
    return data;
}

}  // namespace murax
