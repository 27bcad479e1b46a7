// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <source_location>
#include <string>

#include "support/byte_parts.h"

namespace murax {

class AppContext;

// Writes a file the user chose (a tape saved, an entry exported): replaces `path` with exactly
// the concatenation of `parts` by the replacing write (replaceFileContents), which never loses the
// old bytes or the new ones. A failure is raised naming `path`; one that the handler has no
// message for is shown as a report and abandons the command, so that a failed save never ends the
// program. When an in-place write failed half-way, the user is then told where the safety copy of
// the new bytes is, on the context's desktop.
void writeFileReplacing(AppContext& app, const std::string& path, const ByteParts& parts,
                        std::source_location where = std::source_location::current());

}  // namespace murax
