// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/model/tape_loading.h"

#include <algorithm>

#include "support/platform/file_io.h"
#include "tape/format/entry_bytes.h"
#include "tape/format/tap_decoding.h"
#include "tape/format/tap_layout.h"

namespace murax {
namespace {

// The length of the entry that begins at d[0], which may be more than d holds.
std::size_t entryLength(std::string_view d)
{
    std::size_t n = wordAt(d, 0) + tap::kLengthFieldSize;
    if (isHeaderEntry(d))
        n += wordAt(d, n) + tap::kLengthFieldSize;
    return n;
}

// Calls `take` with each entry's bytes, and the data from it onward, in file order.
template <typename Take>
void forEachEntry(std::string_view data, Take take)
{
    std::size_t offset = 0;
    while (offset < data.size()) {
        const std::string_view d = data.substr(offset);
        const std::size_t n = std::min(entryLength(d), d.size());
        take(d.substr(0, n), d);
        offset += n;
    }
}

}  // namespace

EntryTally tallyEntries(std::string_view data)
{
    EntryTally tally;
    forEachEntry(data, [&](std::string_view entry, std::string_view) {
        ++tally.entries;
        tally.heapBytes += BlockList::heapBytesOfEntry(entry.size());
    });
    return tally;
}

void splitIntoEntries(std::string_view data, BlockList& list)
{
    list.clear();
    // Counted first, so that the lists are made once at their size rather than grown.
    list.reserve(tallyEntries(data).entries);
    appendEntries(data, list);
}

void appendEntries(std::string_view data, BlockList& list)
{
    forEachEntry(data, [&](std::string_view entry, std::string_view rest) {
        list.append(std::string(entry), DisplayLine(BLKLINE(rest)));
    });
}

void ABLOCKS(const std::string& fileName, BlockList& list)
{
    const std::string data = readFile(fileName);
    splitIntoEntries(data, list);
}

}  // namespace murax
