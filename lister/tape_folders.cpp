// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/tape_folders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace murax::lister {
namespace {

namespace fs = std::filesystem;

// Names are UTF-8 on every system; the path type's narrow strings are the code page on Windows.
fs::path pathOf(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool isTapeName(const fs::path& path)
{
    std::string extension = utf8Of(path.extension());
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extension == ".tap" || extension == ".tzx" || extension == ".wav";
}

// Walks one folder at a time, so a folder that cannot be read is told and its neighbours are
// still walked. Links to folders are not followed: a link to a folder above would never end.
void collectTapes(const fs::path& folder, std::vector<std::string>& tapes,
                  std::vector<std::string>& unreadable)
{
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    for (const fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
        std::error_code typeError;
        if (entries->is_directory(typeError) && !entries->is_symlink(typeError))
            collectTapes(entries->path(), tapes, unreadable);
        else if (isTapeName(entries->path()) && entries->is_regular_file(typeError))
            tapes.push_back(utf8Of(entries->path()));
    }
    if (error)
        unreadable.push_back(utf8Of(folder) + ": " + error.message());
}

}  // namespace

bool isFolder(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(pathOf(path), error);
}

std::vector<std::string> tapesUnder(const std::string& folder, std::vector<std::string>& unreadable)
{
    std::vector<std::string> tapes;
    collectTapes(pathOf(folder), tapes, unreadable);
    std::sort(tapes.begin(), tapes.end());
    return tapes;
}

}  // namespace murax::lister
