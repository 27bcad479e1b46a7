// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/native_file.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace murax {

NativeFile NativeFile::openForReading(const std::string& path)
{
    NativeFile file;
    file.handle_ = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (file.handle_ < 0) {
        file.error_ = errno;
        return file;
    }
    struct stat status {};
    file.seekable_ =
        ::fstat(static_cast<int>(file.handle_), &status) == 0 && S_ISREG(status.st_mode);
    return file;
}

NativeFile::NativeFile(NativeFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), error_(other.error_), seekable_(other.seekable_)
{}

NativeFile::~NativeFile()
{
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
}

bool NativeFile::isOpen() const
{
    return handle_ >= 0;
}

std::optional<std::uint64_t> NativeFile::regularFileSize() const
{
    struct stat status {};
    if (::fstat(static_cast<int>(handle_), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return static_cast<std::uint64_t>(status.st_size);
}

std::ptrdiff_t NativeFile::read(char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(handle_), buffer, size);
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            error_ = errno;
            return -1;
        }
    }
}

std::ptrdiff_t NativeFile::readAt(std::uint64_t offset, char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got =
            ::pread(static_cast<int>(handle_), buffer, size, static_cast<off_t>(offset));
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            error_ = errno;
            return -1;
        }
    }
}

std::uint64_t memoryTheProcessMayHave()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGESIZE);
    std::uint64_t limit = pages > 0 && pageSize > 0 ? static_cast<std::uint64_t>(pages) *
                                                          static_cast<std::uint64_t>(pageSize)
                                                    : UINT64_MAX;
    for (const int resource : {RLIMIT_AS, RLIMIT_DATA}) {
        rlimit set{};
        if (::getrlimit(resource, &set) == 0 && set.rlim_cur != RLIM_INFINITY)
            limit = std::min<std::uint64_t>(limit, set.rlim_cur);
    }
    return limit;
}

}  // namespace murax
