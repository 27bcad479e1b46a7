// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <source_location>
#include <string>
#include <string_view>

namespace murax {

// A file made to hand bytes to another program (the hex editor) and take them back. It is created
// new under the first free name that `nextName` gives (never through a link, never over a file
// that is there). On POSIX it is readable by the user only and locked while it lives, so that
// another running copy's start-up clean-up leaves it alone; on Windows it is not held, so that
// the hex editor may save it in whatever way it likes. It is deleted when it goes, and only when
// this program created it.
class ScratchFile {
public:
    // Writes `bytes` to the new file. A failure other than a name already taken is raised.
    ScratchFile(const std::function<std::string()>& nextName, std::string_view bytes,
                std::source_location where = std::source_location::current());
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }

    // The file's bytes as they are now, read by name without following a link: nothing when a
    // link or anything but a plain file stands there. Other failures are raised.
    std::optional<std::string> readBack(
        std::source_location where = std::source_location::current()) const;

private:
    // Names come from the clock; a few taken in a row are someone's trap or a very busy folder.
    static constexpr int kNameAttempts = 50;

    std::string path_;
    std::intptr_t handle_ = -1;  // the locked file's descriptor (POSIX)
};

}  // namespace murax
