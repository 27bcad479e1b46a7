#include "support/recovery_file.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "support/posix_file.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

// The longest extension a short fallback name keeps; a longer one is not a tape's.
constexpr std::size_t kLongestKeptExtension = 16;

enum class Attempt { Written, NameTaken, NameTooLong, Failed };

bool finishWriting(UniqueFd& file, const std::vector<std::string>& entries)
{
    const bool written = writePartsTo(file.get(), entries) && ::fsync(file.get()) == 0;
    return file.close() && written;
}

// Creates the file only if no file of that name exists, so nothing is ever written over.
Attempt writeNewFile(const fs::path& path, const std::vector<std::string>& entries)
{
    UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file) {
        switch (errno) {
        case EEXIST: return Attempt::NameTaken;
        case ENAMETOOLONG: return Attempt::NameTooLong;
        default: return Attempt::Failed;
        }
    }
    if (!finishWriting(file, entries)) {
        const int err = errno;
        ::unlink(path.c_str());
        errno = err;
        return Attempt::Failed;
    }
    return Attempt::Written;
}

std::string fullPath(const fs::path& path)
{
    std::error_code ec;
    const fs::path full = fs::absolute(path, ec);
    return (ec ? path : full).lexically_normal().string();
}

// A name too long for the folder's file system: "murax-XXXXXX.recovered" + the extension, unique
// by creation, readable by the user only like the tape it may stand for.
std::string writeUnderShortName(const fs::path& folder, const std::string& extension,
                                const std::vector<std::string>& entries)
{
    const std::string suffix =
        ".recovered" + (extension.size() <= kLongestKeptExtension ? extension : ".tap");
    std::string name = (folder / ("murax-XXXXXX" + suffix)).string();
    UniqueFd file(::mkostemps(name.data(), static_cast<int>(suffix.size()), O_CLOEXEC));
    if (!file)
        return {};
    if (!finishWriting(file, entries)) {
        const int err = errno;
        ::unlink(name.c_str());
        errno = err;
        return {};
    }
    return fullPath(name);
}

// Tries game.recovered.tap, game.recovered-2.tap, ... in one folder.
std::string writeInFolder(const fs::path& folder, const std::string& stem,
                          const std::string& extension, const std::vector<std::string>& entries)
{
    constexpr int kMaxNumber = 9999;
    for (int number = 1; number <= kMaxNumber; ++number) {
        const std::string suffix = number == 1 ? "" : "-" + std::to_string(number);
        const fs::path candidate = folder / (stem + ".recovered" + suffix + extension);
        switch (writeNewFile(candidate, entries)) {
        case Attempt::Written: return fullPath(candidate);
        case Attempt::NameTaken: continue;
        case Attempt::NameTooLong: return writeUnderShortName(folder, extension, entries);
        case Attempt::Failed: return {};
        }
    }
    return {};
}

struct NameParts {
    std::string stem, extension;
};

NameParts namePartsOf(const std::string& file)
{
    const fs::path current(file);
    const fs::path name =
        file.empty() || !current.has_filename() ? fs::path("murax.tap") : current.filename();
    return {name.stem().string(), name.extension().string()};
}

std::string writeInDataFolder(const NameParts& name, const std::vector<std::string>& entries)
{
    const std::string dataFolder = userDataFolder();
    if (dataFolder.empty()) {
        errno = ENOENT;
        return {};
    }
    std::error_code ec;
    fs::create_directories(dataFolder, ec);
    return writeInFolder(dataFolder, name.stem, name.extension, entries);
}

}  // namespace

std::string userDataFolder()
{
    // A relative XDG path is to be ignored, as if unset.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        return (fs::path(data) / "murax").string();
    if (const char* home = std::getenv("HOME"); home && *home)
        return (fs::path(home) / ".local" / "share" / "murax").string();
    return {};
}

std::string writeRecoveryFile(const std::string& currentFile,
                              const std::vector<std::string>& entries)
{
    const NameParts name = namePartsOf(currentFile);
    if (!currentFile.empty()) {
        const fs::path current(currentFile);
        const fs::path folder = current.has_parent_path() ? current.parent_path() : fs::path(".");
        if (std::string written = writeInFolder(folder, name.stem, name.extension, entries);
            !written.empty())
            return written;
    }
    return writeInDataFolder(name, entries);
}

std::string writeSafetyCopy(const std::string& target, const std::vector<std::string>& parts)
{
    return writeInDataFolder(namePartsOf(target), parts);
}

}  // namespace murax
