// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the new-file write asks of the system. new_file.cpp holds the policy and calls these;
// new_file_posix.cpp and new_file_windows.cpp implement them. A call that fails returns false or
// an empty file with the system's error set (see lastSystemError in os_error.h).

#include <string>

#include "support/platform/new_file.h"
#include "support/platform/open_file.h"

namespace murax {

// `path` created and opened for writing only if nothing of that name exists.
OpenFile createNewFile(const std::string& path);

// What the error of a creation that failed means for the name tried: taken, too long, or
// neither (Failed).
NewFileResult creationRefusal(int systemError);

// A new file in `folder` named "murax-", six characters that make the name unique there, then
// `suffix`; its path goes to `name`.
OpenFile createUnderShortName(const std::string& folder, const std::string& suffix,
                              std::string& name);

// The file's bytes flushed to disk.
bool flushToDisk(const OpenFile& file);

}  // namespace murax
