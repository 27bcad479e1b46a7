// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tzx/tzx_summary.h"

#include "tape/tzx/tzx_block_reader.h"

namespace murax::tzx {

Summary summarise(TapeSource& source, std::uint64_t size, const BlockSeen& seen)
{
    BlockReader reader(source, size);
    Summary summary;
    summary.major = reader.major();
    summary.minor = reader.minor();
    Block block;
    while (reader.next(block)) {
        ++summary.fates[static_cast<std::size_t>(block.fate)];
        if (block.fate == Fate::Entry)
            summary.tapSize += 2 + block.dataSize;
        if (seen)
            seen(reader.count(), block);
    }
    summary.blocks = reader.count();
    summary.malformed = reader.malformed();
    return summary;
}

}  // namespace murax::tzx
