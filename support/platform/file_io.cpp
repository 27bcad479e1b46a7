// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/file_io.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "support/native_path.h"
#include "support/platform/file_error.h"
#include "support/platform/native_file.h"
#include "support/runtime_errors.h"

namespace fs = std::filesystem;

namespace murax {

std::string readFile(const std::string& path, std::source_location where)
{
    NativeFile file = NativeFile::openForReading(path);
    if (!file.isOpen())
        raiseFileError({gencode::Open, "FOPEN", "Open error", file.error()}, path, where);
    // A file the process could never hold is refused before any of it is read.
    if (const auto size = file.regularFileSize(); size && *size > memoryTheProcessMayHave())
        raiseFileError({gencode::ShowOnly, "FREAD", "File larger than the memory available", 0},
                       path, where);
    std::string data;
    if (!file.readAll(data))
        raiseFileError({gencode::Read, "FREAD", "Read error", file.error()}, path, where);
    return data;
}

bool fileDiffersFrom(const std::string& path, const std::vector<std::string>& parts)
{
    std::size_t total = 0;
    for (const auto& part : parts)
        total += part.size();
    // A file that cannot be read counts as empty, also when the failure comes half-way.
    NativeFile file = NativeFile::openForReading(path);
    if (!file.isOpen())
        return total != 0;

    char chunk[1 << 16];
    std::size_t chunkSize = 0, chunkOffset = 0;
    bool readFailed = false;
    // Fetches the next chunk when the current one is used up; false at the end or on an error.
    auto refill = [&]() {
        while (chunkOffset == chunkSize) {
            const std::ptrdiff_t got = file.read(chunk, sizeof chunk);
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
    return fs::is_regular_file(nativePath(path), ec);
}

bool pathExists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(nativePath(path), ec);
}

}  // namespace murax
