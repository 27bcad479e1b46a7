// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/paths.h"
#include "tape/file_commands.h"

namespace murax {

std::string BLKINFO(const BlockList& list)
{
    return "Blocks: " + std::to_string(list.count()) + "     File: " + SHORTPATH(currentFile, 53);
}

}  // namespace murax
