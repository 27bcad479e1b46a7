// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <source_location>
#include <string>

#include "support/byte_parts.h"
#include "support/file_error.h"

namespace murax {

// Replaces `path` with exactly the concatenation of `parts`, without ever losing the old bytes or
// the new ones:
// - a symbolic link is resolved, so the link stays a link and the file it names gets the bytes;
// - an existing tape that the user may not write is refused (access denied), nothing changed;
// - normally the bytes go to a new file in the target's folder (a short hidden name, readable by
//   the user only, locked while written), are flushed to disk, get the old file's owner (where the
//   system allows) and permissions, and are renamed over the target in one step;
// - a tape with other names (hard links), or in a folder that takes no new file, is written in
//   place instead, after a full copy of the new bytes went to the user's data folder; that copy
//   is removed once the tape is written and flushed, and named to the user if the write fails.
// Half-written files that earlier saves left in the folder are removed first. A failure is raised
// naming `path`; one that the handler has no message for is shown as a report and abandons the
// command, so that a failed save never ends the program.
void writeFileReplacing(const std::string& path, const ByteParts& parts,
                        std::source_location where = std::source_location::current());

// The same replacing write for files whose failed write the program does not report (a settings
// file), except that a symbolic link is never written through: false for a link, and on failure,
// with the old file intact and no leftover.
bool replaceFileQuietly(const std::string& path, const ByteParts& parts);

// The system side of the two above, one for each platform. On failure the old file is intact and nothing is left behind, except the safety copy
// of an in-place write that failed half-way, which is then named.
struct ReplaceFailure {
    FileFailure failure;
    std::string safetyCopy;
};

enum class LinksInTheWay { Follow, Refuse };

std::optional<ReplaceFailure> replaceFileContents(const std::string& path,
                                                  const ByteParts& parts,
                                                  LinksInTheWay links);

}  // namespace murax
