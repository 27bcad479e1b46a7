// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/model/block_info.h"

#include "support/paths.h"

namespace murax {

std::string BLKINFO(const BlockList& list)
{
    return "Blocks: " + std::to_string(list.count()) +
           "     File: " + SHORTPATH(list.currentFile, 53);
}

}  // namespace murax
