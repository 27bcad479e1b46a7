// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "support/byte_parts.h"

namespace murax {

enum class NewFileResult { Written, NameTaken, NameTooLong, Failed };

// Creates `path` only if nothing of that name exists (so never through a link, never over a
// file) and writes `parts` to it, flushed to disk; a failed write leaves nothing behind and the
// system's error set.
NewFileResult writeNewFile(const std::string& path, const ByteParts& parts);

// The same under a short unique name, "murax-XXXXXX" followed by `suffix`, in `folder`: the new
// file's path, or "" when it could not be written.
std::string writeNewFileUnderShortName(const std::string& folder, const std::string& suffix,
                                       const ByteParts& parts);

}  // namespace murax
