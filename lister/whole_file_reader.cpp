#include "lister/whole_file_reader.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace murax::lister {

bool readWholeFile(const std::string& path, std::string& bytes, int& error)
{
    bytes.clear();
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = errno ? errno : EIO;
        return false;
    }

    // The size is only a hint for one allocation; the loop below reads to the real end.
    std::error_code sizeError;
    const auto hint = std::filesystem::file_size(path, sizeError);
    if (!sizeError)
        bytes.reserve(static_cast<std::size_t>(hint));

    char chunk[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        bytes.append(chunk, got);
        if (got < sizeof chunk)
            break;
    }
    // A folder opens on some systems and then fails here, and so does a device that cannot be read.
    const bool failed = std::ferror(file) != 0;
    const int readError = errno;
    if (std::fclose(file) != 0 && !failed) {
        error = errno ? errno : EIO;
        return false;
    }
    if (failed) {
        error = readError ? readError : EIO;
        bytes.clear();
        return false;
    }
    return true;
}

}  // namespace murax::lister
