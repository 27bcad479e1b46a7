// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/file_identity.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/platform/file_descriptor_posix.h"
#include "support/platform/native_file.h"

namespace murax {
namespace {

bool isDevice(const struct stat& status)
{
    return S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode);
}

FileIdentity identityFromStatus(const struct stat& status)
{
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

std::optional<FileIdentity> NativeFile::identity() const
{
    struct stat status {};
    if (::fstat(static_cast<int>(handle_), &status) != 0)
        return std::nullopt;
    return identityFromStatus(status);
}

std::optional<FileIdentity> identityOf(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return identityFromStatus(status);
}

std::optional<FileIdentity> standardOutputIdentity()
{
    struct stat status {};
    if (::fstat(STDOUT_FILENO, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return identityFromStatus(status);
}

std::optional<int> writeToDevice(const std::string& path, const ByteParts& parts)
{
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 || !isDevice(named))
        return std::nullopt;
    // Neither created nor truncated: the device or pipe is only written to.
    const UniqueFd device(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (!device)
        return errno;
    // Another file put in its place since it was looked at is never written over.
    struct stat opened {};
    if (::fstat(device.get(), &opened) != 0)
        return errno;
    if (!isDevice(opened))
        return EACCES;
    return writePartsTo(device.get(), parts) ? 0 : errno;
}

}  // namespace murax
