// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "support/byte_parts.h"
#include "support/platform/file_error.h"

namespace murax {

// The replacing write (see replaceFileContents) for files whose failed write the program does not
// report (a settings file), except that a symbolic link is never written through: false for a
// link, and on failure, with the old file intact and no leftover.
bool replaceFileQuietly(const std::string& path, const ByteParts& parts);

// How a replacing write failed, and where the safety copy of a failed in-place write is.
struct ReplaceFailure {
    FileFailure failure;
    std::string safetyCopy;
    // The folder where the safety copy before an in-place write could not be made: what failed
    // then is that folder, not the target, which is left untouched.
    std::string safetyCopyFolder;
};

enum class LinksInTheWay { Follow, Refuse };

// Replaces `path` with exactly the concatenation of `parts`, without ever losing the old bytes or
// the new ones:
// - a symbolic link is resolved (Follow), so the link stays a link and the file it names gets the
//   bytes, or refused (Refuse);
// - an existing file that the user may not write is refused (access denied), nothing changed;
// - normally the bytes go to a new file in the target's folder (a short hidden name, readable by
//   the user only, locked while written), are flushed to disk, get the old file's owner (where the
//   system allows) and permissions, and are renamed over the target in one step;
// - a file with other names (hard links), or in a folder that takes no new file, is written in
//   place instead, after a full copy of the new bytes went to the user's data folder; that copy
//   is removed once the file is written and flushed, and named in the failure if the write fails.
// Half-written files that earlier saves left in the folder are removed first. One side for each
// platform. On failure the old file is intact and nothing is left behind, except the safety copy
// of an in-place write that failed half-way.
std::optional<ReplaceFailure> replaceFileContents(const std::string& path, const ByteParts& parts,
                                                  LinksInTheWay links);

}  // namespace murax
