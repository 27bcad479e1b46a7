// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/entry_bytes.h"

#include <algorithm>

#include "tape/format/tap_layout.h"

namespace murax {
namespace {

// The framed block at the start of `bytes`, and the bytes after it.
std::string_view takeBlock(std::string_view& bytes)
{
    if (bytes.size() < 2) {
        bytes = {};
        return {};
    }
    const std::string_view block = bytes.substr(2, wordAt(bytes, 0));
    bytes.remove_prefix(2 + block.size());
    return block;
}

}  // namespace

bool isHeaderEntry(std::string_view entry)
{
    return entry.size() > tap::inEntry(tap::header::kFlag) &&
           static_cast<unsigned char>(entry[tap::inEntry(tap::header::kFlag)]) == tap::kHeaderFlag;
}

bool isCutShort(std::string_view entry)
{
    std::size_t at = 0;
    while (at < entry.size()) {
        if (entry.size() - at < 2)
            return true;
        at += 2 + wordAt(entry, at);
    }
    return at > entry.size();
}

bool isLoneHeader(std::string_view entry)
{
    return isHeaderEntry(entry) && entry.size() == 2 + wordAt(entry, 0);
}

ReadBack readBack(std::string_view entry, std::string_view next, std::string_view afterNext)
{
    // The first entry that reading the three as one tape gives, by the loader's own rule: a block,
    // and the block after it when its flag byte (which may lie past the entry) is 0.
    const auto at = [&](std::size_t i) -> unsigned {
        if (i < entry.size())
            return static_cast<unsigned char>(entry[i]);
        i -= entry.size();
        if (i < next.size())
            return static_cast<unsigned char>(next[i]);
        return byteAt(afterNext, i - next.size());
    };
    const std::size_t total = entry.size() + next.size() + afterNext.size();
    std::size_t n = 2 + at(0) + 256u * at(1);
    if (total > 2 && at(2) == tap::kHeaderFlag)
        n += 2 + at(n) + 256u * at(n + 1);
    n = std::min(n, total);
    if (n == entry.size())
        return ReadBack::Same;
    if (n < entry.size())
        return ReadBack::SeveralEntries;
    if (isCutShort(entry))
        return ReadBack::CutShort;
    if (isLoneHeader(entry))
        return !isHeaderEntry(next) && n == entry.size() + next.size() ? ReadBack::TakesNext
                                                                       : ReadBack::LoneHeader;
    return ReadBack::EmptyBlock;
}

std::vector<std::string_view> entryBlocks(std::string_view entry)
{
    std::vector<std::string_view> blocks;
    const bool header = isHeaderEntry(entry);
    std::string_view rest = entry;
    blocks.push_back(takeBlock(rest));
    if (header && rest.size() >= 2)
        blocks.push_back(takeBlock(rest));
    return blocks;
}

std::vector<std::string_view> blocksOfEntries(const std::vector<std::string_view>& entries)
{
    std::vector<std::string_view> blocks;
    for (const std::string_view entry : entries)
        for (const std::string_view block : entryBlocks(entry))
            blocks.push_back(block);
    return blocks;
}

std::string_view entryData(std::string_view entry)
{
    const std::vector<std::string_view> blocks = entryBlocks(entry);
    if (isHeaderEntry(entry) && blocks.size() < 2)
        return {};
    std::string_view block = blocks.back();
    if (block.empty())
        return {};
    const std::size_t declared =
        wordAt(entry, static_cast<std::size_t>(block.data() - entry.data()) - 2);
    block.remove_prefix(1);  // the flag
    if (block.size() + 1 == declared && !block.empty())
        block.remove_suffix(1);  // the checksum of a complete block
    return block;
}

}  // namespace murax
