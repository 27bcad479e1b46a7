// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/os_error.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace murax {

int osCodeOf(int err, const std::string& path)
{
    switch (err) {
    case ENOENT: {
        std::error_code ec;
        const fs::path parent = fs::path(path).parent_path();
        return parent.empty() || fs::is_directory(parent, ec) ? 2 : 3;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return 3;
    case EACCES:
    case EPERM:
    case EISDIR:
        return 5;
    case EROFS:
        return 19;
    case EBUSY:
    case ETXTBSY:
        return 32;
    case EIO:
        return 31;
    case ENXIO:
    case ENODEV:
        return 21;
    default:
        return 0;
    }
}

bool isDiskFull(int err)
{
    return err == ENOSPC || err == EDQUOT;
}

bool isMissingFile(int err)
{
    return err == ENOENT;
}

bool isAccessRefused(int err)
{
    return err == EACCES || err == EPERM;
}

int lastSystemError()
{
    return errno;
}

void setLastSystemError(int err)
{
    errno = err;
}

std::string systemErrorText(int err)
{
    return err ? std::strerror(err) : "unknown cause";
}

}  // namespace murax
