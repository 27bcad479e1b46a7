#include "support/recovery_file.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace murax {
namespace {

bool writeAll(int fd, const std::string& bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

enum class Attempt { Written, NameTaken, Failed };

// Creates the file only if no file of that name exists, so nothing is ever written over.
Attempt writeNewFile(const fs::path& path, const std::vector<std::string>& entries)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? Attempt::NameTaken : Attempt::Failed;
    bool ok = true;
    for (const auto& entry : entries) {
        if (!writeAll(fd, entry)) {
            ok = false;
            break;
        }
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(path.c_str());
        return Attempt::Failed;
    }
    return Attempt::Written;
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
        case Attempt::Written: {
            std::error_code ec;
            const fs::path full = fs::absolute(candidate, ec);
            return (ec ? candidate : full).lexically_normal().string();
        }
        case Attempt::NameTaken: continue;
        case Attempt::Failed: return {};
        }
    }
    return {};
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
    const fs::path current(currentFile);
    const fs::path name = currentFile.empty() || !current.has_filename() ? fs::path("murax.tap")
                                                                          : current.filename();
    const std::string stem = name.stem().string();
    const std::string extension = name.extension().string();

    if (!currentFile.empty()) {
        const fs::path folder = current.has_parent_path() ? current.parent_path() : fs::path(".");
        if (std::string written = writeInFolder(folder, stem, extension, entries); !written.empty())
            return written;
    }
    const std::string dataFolder = userDataFolder();
    if (dataFolder.empty())
        return {};
    std::error_code ec;
    fs::create_directories(dataFolder, ec);
    return writeInFolder(dataFolder, stem, extension, entries);
}

}  // namespace murax
