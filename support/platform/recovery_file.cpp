// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/recovery_file.h"

#include <filesystem>
#include <system_error>

#include "support/native_path.h"
#include "support/paths.h"
#include "support/platform/new_file.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

// The longest extension a short fallback name keeps; a longer one is not a tape's.
constexpr std::size_t kLongestKeptExtension = 16;

// Tries game.recovered.tap, game.recovered-2.tap, ... in one folder; a name too long for the
// file system becomes a short unique one.
std::string writeInFolder(const fs::path& folder, const std::string& stem,
                          const std::string& extension, const ByteParts& entries)
{
    constexpr int kMaxNumber = 9999;
    for (int number = 1; number <= kMaxNumber; ++number) {
        const std::string suffix = number == 1 ? "" : "-" + std::to_string(number);
        const std::string candidate =
            pathText(folder / nativePath(stem + ".recovered" + suffix + extension));
        switch (writeNewFile(candidate, entries)) {
        case NewFileResult::Written:
            return FULLNAME(candidate);
        case NewFileResult::NameTaken:
            continue;
        case NewFileResult::NameTooLong: {
            const std::string shortSuffix =
                ".recovered" + (extension.size() <= kLongestKeptExtension ? extension : ".tap");
            const std::string written =
                writeNewFileUnderShortName(pathText(folder), shortSuffix, entries);
            return FULLNAME(written);
        }
        case NewFileResult::Failed:
            return {};
        }
    }
    return {};
}

struct NameParts {
    std::string stem, extension;
};

NameParts namePartsOf(const std::string& file)
{
    const fs::path current = nativePath(file);
    const fs::path name =
        file.empty() || !current.has_filename() ? fs::path("murax.tap") : current.filename();
    return {pathText(name.stem()), pathText(name.extension())};
}

std::string writeInDataFolder(const NameParts& name, const ByteParts& entries)
{
    const std::string dataFolder = userDataFolder();
    if (dataFolder.empty())
        return {};
    std::error_code ec;
    fs::create_directories(nativePath(dataFolder), ec);
    return writeInFolder(nativePath(dataFolder), name.stem, name.extension, entries);
}

}  // namespace

std::string writeRecoveryFile(const std::string& currentFile,
                              const std::vector<std::string>& entries)
{
    const NameParts name = namePartsOf(currentFile);
    if (!currentFile.empty()) {
        const fs::path current = nativePath(currentFile);
        const fs::path folder = current.has_parent_path() ? current.parent_path() : fs::path(".");
        if (std::string written = writeInFolder(folder, name.stem, name.extension, entries);
            !written.empty())
            return written;
    }
    return writeInDataFolder(name, entries);
}

std::string writeSafetyCopy(const std::string& target, const ByteParts& parts)
{
    return writeInDataFolder(namePartsOf(target), parts);
}

}  // namespace murax
