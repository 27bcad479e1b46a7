// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/input_file.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace murax::lister {

InputFile InputFile::open(const std::string& path)
{
    InputFile file;
    file.handle_ = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (file.handle_ < 0) {
        file.error_ = errno;
        return file;
    }
    struct stat status {};
    file.seekable_ = ::fstat(static_cast<int>(file.handle_), &status) == 0 && S_ISREG(status.st_mode);
    return file;
}

InputFile::InputFile(InputFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), error_(other.error_), seekable_(other.seekable_)
{
}

InputFile::~InputFile()
{
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
}

bool InputFile::isOpen() const
{
    return handle_ >= 0;
}

std::ptrdiff_t InputFile::read(char* buffer, std::size_t size)
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

std::ptrdiff_t InputFile::readAt(std::uint64_t offset, char* buffer, std::size_t size)
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

}  // namespace murax::lister
