// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <source_location>
#include <string>
#include <string_view>

namespace murax {

// Where a scratch file goes: under `prefix` (a folder with its separator, or "" for the current
// folder) when a file can be made there; else, when `fallback` names a folder (the TEMP folder),
// in a new folder of its own inside it, named like a temporary file so that a start-up clean-up
// removes what a killed run leaves there. The current folder of an installed program is often
// one its user may not write.
struct ScratchPlace {
    std::string prefix;
    std::string fallback;
};

// What stands under the scratch file's name after another program has had it.
struct ScratchContent {
    enum class Found { File, Nothing, NotAPlainFile };
    Found found;
    std::string bytes;  // the file's bytes when a plain file was found
};

// A file made to hand bytes to another program (the hex editor) and take them back. It is created
// new under the first free name that `newName` gives (never through a link, never over a file
// that is there), in the place `place` chooses. On POSIX it is readable by the user only and
// locked while it lives, so that another running copy's start-up clean-up leaves it alone; on
// Windows it is not held, so that the hex editor may save it in whatever way it likes. It is
// deleted when it goes, with the folder made for it, and only when this program created them.
class ScratchFile {
public:
    // Writes `bytes` to the new file. A failure of the last place tried is raised.
    ScratchFile(const std::function<std::string()>& newName, std::string_view bytes,
                const ScratchPlace& place = {},
                std::source_location where = std::source_location::current());
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }
    // The folder made for the file in the fallback place; "" when it went under the prefix.
    const std::string& ownFolder() const { return folder_; }

    // What stands under the file's name now, read without following a link: a link or anything
    // but a plain file is not read. Failures to read a plain file are raised.
    ScratchContent readBack(std::source_location where = std::source_location::current()) const;

private:
    // Names come from the clock; a few taken in a row are someone's trap or a very busy folder.
    static constexpr int kNameAttempts = 50;

    // The platform's side. Each gives 0 or the system's error.
    // Creates the file under the first free name `prefix` + newName(); sets path_ and handle_.
    int createUnder(const std::string& prefix, const std::function<std::string()>& newName);
    // Makes a folder for the user alone under the first free name `parent` + newName(); sets
    // folder_.
    int makeFolderUnder(const std::string& parent, const std::function<std::string()>& newName);
    // Writes the bytes to the file just created.
    int write(std::string_view bytes);
    // Deletes what was made: the file (a link put in its place as a link), then its folder.
    void removeMade() noexcept;
    static char separator();

    std::string path_;
    std::string folder_;
    std::intptr_t handle_ = -1;  // the created file: a descriptor (POSIX) or a HANDLE (Windows)
    bool created_ = false;
};

}  // namespace murax
