// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "support/byte_parts.h"
#include "support/platform/user_folders.h"

namespace murax {

// Saves unsaved edits when the program has to end without the user's own save: the entries are
// written one after another (no joined copy: memory may be what ran out) to a new file named
// after the current file with ".recovered" before its extension (game.recovered.tap), in the
// current file's folder, else in the user's data folder. An existing file is never replaced: the
// name then becomes game.recovered-2.tap, -3 and so on; a name too long for the file system
// becomes a short unique one (murax-XXXXXX.recovered.tap). Returns the new file's full path, or ""
// when it could be written nowhere. Never reports anything.
std::string writeRecoveryFile(const std::string& currentFile,
                              const std::vector<std::string>& entries);

// Before a tape is overwritten in place: a full copy of its new bytes in the user's data folder,
// named like a recovery file, so that a write that fails half-way loses nothing. Returns the
// copy's full path, or "" (the system's error set) when it could not be written.
std::string writeSafetyCopy(const std::string& target, const ByteParts& parts);

}  // namespace murax
