// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "support/file_error.h"

namespace murax {

// The system side of writeFileReplacing and replaceFileQuietly (see file_io.h), one for each
// platform. On failure the old file is intact and nothing is left behind, except the safety copy
// of an in-place write that failed half-way, which is then named.
struct ReplaceFailure {
    FileFailure failure;
    std::string safetyCopy;
};

enum class LinksInTheWay { Follow, Refuse };

std::optional<ReplaceFailure> replaceFileContents(const std::string& path,
                                                  const std::vector<std::string>& parts,
                                                  LinksInTheWay links);

}  // namespace murax
