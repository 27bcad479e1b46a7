#pragma once

#include <string>
#include <string_view>

namespace murax {

// A save writes its new bytes to a hidden file beside the target, named ".murax-" and six more
// characters, and holds that file's lock until the file has taken the target's place. A save
// killed half-way leaves it behind.
inline constexpr std::string_view kSaveFilePrefix = ".murax-";

// Removes from `folder` the half-written save files that belong to the effective user and that no
// running program still writes: those of this version (unlocked) and those of earlier versions,
// named "." + name + ".murax-PID-N", whose writer PID is no longer running. Touches nothing else,
// follows no link, never reports anything.
void removeSaveLeftovers(const std::string& folder);

// Whether a regular file in the folder open as `folderFd` is owned by the effective user and not
// locked by a running program (see tryLockExclusively), so that a clean-up may remove it. When
// true, the file is removed by name if it is still the file that was checked.
bool removeIfOwnedAndUnlocked(int folderFd, const char* name);

}  // namespace murax
