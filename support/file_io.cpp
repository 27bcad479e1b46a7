#include "support/file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include <unistd.h>

#include "support/runtime_errors.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Builds the record for a failed file operation and hands it to the handler. Whatever the handler
// answers, the operation has failed and its caller must not go on as if it had succeeded.
[[noreturn]] void raiseFileError(int gencode, const char* operation, const char* description,
                                 int err, const std::string& path,
                                 const std::source_location& where)
{
    ErrorRecord record;
    record.GENCODE = gencode;
    record.SUBSYSTEM = "BASE";
    record.OSCODE = osCodeFromErrno(err, path);
    if (err == ENOSPC || err == EDQUOT)
        record.SUBCODE = kDiskFullSubcode;
    record.DESCRIPTION = description;
    record.OPERATION = operation;
    record.FILENAME = path;
    stampLocation(record, where);
    raiseError(record);
    throw CommandAbandoned{};
}

// Reads an open file to its end; false (with errno set) on a read error.
bool readAll(std::FILE* file, const std::string& path, std::string& data)
{
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (!ec)
        data.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        data.append(buffer, got);
        if (got < sizeof buffer)
            return !std::ferror(file);
    }
}

bool writeAll(std::FILE* file, std::string_view bytes)
{
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

// A name for the new file beside the target, unique in its folder.
FilePtr createSibling(const fs::path& target, fs::path& sibling, int& err)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        sibling = target.parent_path() /
                  ("." + target.filename().string() + ".murax-" + std::to_string(::getpid()) +
                   "-" + std::to_string(attempt));
        errno = 0;
        if (std::FILE* f = std::fopen(sibling.c_str(), "wbx"))
            return FilePtr(f);
        err = errno;
        if (err != EEXIST)
            return nullptr;
    }
    return nullptr;
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
    case ENOTDIR: return 3;
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
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        raiseFileError(gencode::Open, "FOPEN", "Open error", errno, path, where);
    std::string data;
    if (!readAll(file.get(), path, data))
        raiseFileError(gencode::Read, "FREAD", "Read error", errno, path, where);
    return data;
}

std::string readFileQuietly(const std::string& path)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    std::string data;
    if (!file || !readAll(file.get(), path, data))
        return {};
    return data;
}

namespace {

struct ReplaceFailure {
    int gencode;
    const char* operation;
    const char* description;
    int err;
};

// The replacing write itself; on failure the old file is intact and no leftover stays.
std::optional<ReplaceFailure> replaceFile(const std::string& path,
                                          const std::vector<std::string>& parts)
{
    std::error_code ec;
    fs::path target = fs::weakly_canonical(fs::path(path), ec);
    if (ec)
        target = fs::path(path);

    fs::path sibling;
    int err = 0;
    FilePtr file = createSibling(target, sibling, err);
    if (!file)
        return ReplaceFailure{gencode::Create, "FCREATE", "Create error", err};

    auto fail = [&](int gencode, const char* operation, const char* description, int error) {
        file.reset();
        std::error_code ignored;
        fs::remove(sibling, ignored);
        return ReplaceFailure{gencode, operation, description, error};
    };

    for (const auto& part : parts) {
        errno = 0;
        if (!writeAll(file.get(), part))
            return fail(gencode::Write, "FWRITE", "Write error", errno);
    }
    errno = 0;
    if (std::fflush(file.get()) != 0 || ::fsync(::fileno(file.get())) != 0)
        return fail(gencode::Write, "FWRITE", "Write error", errno);
    errno = 0;
    if (std::fclose(file.release()) != 0)
        return fail(gencode::Write, "FCLOSE", "Close error", errno);

    // Keep the replaced file's permissions; a new file keeps those the umask gave it.
    const auto oldStatus = fs::status(target, ec);
    if (!ec && fs::is_regular_file(oldStatus))
        fs::permissions(sibling, oldStatus.permissions(), ec);

    fs::rename(sibling, target, ec);
    if (ec)
        return fail(gencode::Create, "FRENAME", "Create error", ec.value());
    return std::nullopt;
}

}  // namespace

void writeFileReplacing(const std::string& path, const std::vector<std::string>& parts,
                        std::source_location where)
{
    if (const auto failure = replaceFile(path, parts))
        raiseFileError(failure->gencode, failure->operation, failure->description, failure->err,
                       path, where);
}

bool replaceFileQuietly(const std::string& path, const std::vector<std::string>& parts)
{
    return !replaceFile(path, parts).has_value();
}

void writeFile(const std::string& path, std::string_view bytes, std::source_location where)
{
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        raiseFileError(gencode::Create, "FCREATE", "Create error", errno, path, where);
    errno = 0;
    if (!writeAll(file.get(), bytes) || std::fflush(file.get()) != 0)
        raiseFileError(gencode::Write, "FWRITE", "Write error", errno, path, where);
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
