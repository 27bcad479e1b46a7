// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace murax {

// A save writes its new bytes to a hidden file beside the target, named ".murax-" and six more
// characters, and holds that file's lock until the file has taken the target's place. A save
// killed half-way leaves it behind.
inline constexpr std::string_view kSaveFilePrefix = ".murax-";

inline bool isSaveFileName(std::string_view name)
{
    return name.size() == kSaveFilePrefix.size() + 6 && name.starts_with(kSaveFilePrefix);
}

// Removes from `folder` the half-written save files that belong to the user and that no running
// program still writes (on POSIX: those whose lock nobody holds, and those of earlier versions,
// named "." + name + ".murax-PID-N", whose writer PID is no longer running; on Windows: those that
// no program holds open). Touches nothing else, follows no link, never reports anything.
void removeSaveLeftovers(const std::string& folder);

}  // namespace murax
