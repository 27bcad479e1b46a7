// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/new_file.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

#include "support/platform/file_descriptor_posix.h"

namespace murax {
namespace {

bool finishWriting(UniqueFd& file, const ByteParts& parts)
{
    const bool written = writePartsTo(file.get(), parts) && ::fsync(file.get()) == 0;
    return file.close() && written;
}

void removeKeepingError(const std::string& path)
{
    const int err = errno;
    ::unlink(path.c_str());
    errno = err;
}

}  // namespace

NewFileResult writeNewFile(const std::string& path, const ByteParts& parts)
{
    UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file) {
        switch (errno) {
        case EEXIST:
            return NewFileResult::NameTaken;
        case ENAMETOOLONG:
            return NewFileResult::NameTooLong;
        default:
            return NewFileResult::Failed;
        }
    }
    if (!finishWriting(file, parts)) {
        removeKeepingError(path);
        return NewFileResult::Failed;
    }
    return NewFileResult::Written;
}

std::string writeNewFileUnderShortName(const std::string& folder, const std::string& suffix,
                                       const ByteParts& parts)
{
    // Readable by the user only, like the tape it may stand for.
    std::string name = (folder.empty() ? std::string(".") : folder) + "/murax-XXXXXX" + suffix;
    UniqueFd file(::mkostemps(name.data(), static_cast<int>(suffix.size()), O_CLOEXEC));
    if (!file)
        return {};
    if (!finishWriting(file, parts)) {
        removeKeepingError(name);
        return {};
    }
    return name;
}

}  // namespace murax
