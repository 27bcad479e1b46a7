// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

#include "support/platform/new_file_sys.h"

namespace murax {

OpenFile createNewFile(const std::string& path)
{
    return UniqueFd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
}

NewFileResult creationRefusal(int err)
{
    switch (err) {
    case EEXIST:
        return NewFileResult::NameTaken;
    case ENAMETOOLONG:
        return NewFileResult::NameTooLong;
    default:
        return NewFileResult::Failed;
    }
}

OpenFile createUnderShortName(const std::string& folder, const std::string& suffix,
                              std::string& name)
{
    // Readable by the user only, like the tape it may stand for.
    name = folder + "/murax-XXXXXX" + suffix;
    return UniqueFd(::mkostemps(name.data(), static_cast<int>(suffix.size()), O_CLOEXEC));
}

bool flushToDisk(const OpenFile& file)
{
    return ::fsync(file.get()) == 0;
}

}  // namespace murax
