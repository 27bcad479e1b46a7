// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/model/tape_loading.h"

#include "support/platform/file_io.h"
#include "tape/format/entry_bytes.h"
#include "tape/format/tap_decoding.h"

namespace murax {

void splitIntoEntries(std::string_view data, BlockList& list)
{
    list.clear();
    std::size_t offset = 0;
    while (offset < data.size()) {
        const std::string_view d = data.substr(offset);
        std::size_t n = wordAt(d, 0) + 2u;
        if (isHeaderEntry(d))
            n += wordAt(d, n) + 2u;
        list.append(std::string(d.substr(0, n)), DisplayLine(BLKLINE(d)));
        offset += n < d.size() ? n : d.size();
    }
}

void ABLOCKS(const std::string& fileName, BlockList& list)
{
    const std::string data = readFile(fileName);
    splitIntoEntries(data, list);
}

}  // namespace murax
