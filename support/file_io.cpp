#include "support/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/file_error.h"
#include "support/posix_file.h"
#include "support/runtime_errors.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

// The most memory this process can be given: the machine's memory, or less where a limit is set.
std::uint64_t memoryTheProcessMayHave()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGESIZE);
    std::uint64_t limit = pages > 0 && pageSize > 0
                              ? static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize)
                              : UINT64_MAX;
    for (const int resource : {RLIMIT_AS, RLIMIT_DATA}) {
        rlimit set {};
        if (::getrlimit(resource, &set) == 0 && set.rlim_cur != RLIM_INFINITY)
            limit = std::min<std::uint64_t>(limit, set.rlim_cur);
    }
    return limit;
}

UniqueFd openForReading(const std::string& path)
{
    return UniqueFd(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
}

// Reads an open file whole; false (errno set) on a read error.
bool readWhole(int fd, std::string& data)
{
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode))
        data.reserve(static_cast<std::size_t>(status.st_size));
    return readAllFrom(fd, data);
}

}  // namespace

int osCodeFromErrno(int err, const std::string& path)
{
    switch (err) {
    case ENOENT: {
        std::error_code ec;
        const fs::path parent = fs::path(path).parent_path();
        return parent.empty() || fs::is_directory(parent, ec) ? 2 : 3;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return 3;
    case EACCES:
    case EPERM:
    case EISDIR: return 5;
    case EROFS: return 19;
    case EBUSY:
    case ETXTBSY: return 32;
    case EIO: return 31;
    case ENXIO:
    case ENODEV: return 21;
    default: return 0;
    }
}

std::string readFile(const std::string& path, std::source_location where)
{
    errno = 0;
    const UniqueFd file = openForReading(path);
    if (!file)
        raiseFileError({gencode::Open, "FOPEN", "Open error", errno}, path, where);
    // A file the process could never hold is refused before any of it is read.
    struct stat status {};
    if (::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::uint64_t>(status.st_size) > memoryTheProcessMayHave())
        raiseFileError({gencode::ShowOnly, "FREAD", "File larger than the memory available", 0},
                       path, where);
    std::string data;
    if (!readWhole(file.get(), data))
        raiseFileError({gencode::Read, "FREAD", "Read error", errno}, path, where);
    return data;
}

std::string readFileQuietly(const std::string& path)
{
    const UniqueFd file = openForReading(path);
    std::string data;
    if (!file || !readWhole(file.get(), data))
        return {};
    return data;
}

bool fileDiffersFrom(const std::string& path, const std::vector<std::string>& parts)
{
    std::size_t total = 0;
    for (const auto& part : parts)
        total += part.size();
    // A file that cannot be read counts as empty, also when the failure comes half-way.
    const UniqueFd file = openForReading(path);
    if (!file)
        return total != 0;

    char chunk[1 << 16];
    std::size_t chunkSize = 0, chunkOffset = 0;
    // Fetches the next chunk when the current one is used up; false at the end or on an error.
    bool readFailed = false;
    auto refill = [&]() {
        while (chunkOffset == chunkSize) {
            const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                readFailed = true;
            if (got <= 0)
                return false;
            chunkSize = static_cast<std::size_t>(got);
            chunkOffset = 0;
        }
        return true;
    };
    for (const auto& part : parts) {
        std::size_t done = 0;
        while (done < part.size()) {
            if (!refill())
                return readFailed ? total != 0 : true;
            const std::size_t n = std::min(part.size() - done, chunkSize - chunkOffset);
            if (std::memcmp(part.data() + done, chunk + chunkOffset, n) != 0)
                return true;
            done += n;
            chunkOffset += n;
        }
    }
    // Equal so far: the file must end here.
    if (refill())
        return true;
    return readFailed && total != 0;
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}

void deleteFileQuietly(const std::string& path)
{
    std::error_code ec;
    fs::remove(fs::path(path), ec);
}

}  // namespace murax
