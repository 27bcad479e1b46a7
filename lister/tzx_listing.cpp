// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/tzx_listing.h"

#include <algorithm>
#include <vector>

#include "tape/format/entry_scanner.h"

namespace murax::lister {
namespace {

using tzx::Fate;

// The entry (from 1) that each Entry block of the tape goes into; 0 for the other blocks. A
// header and the block after it make one entry, as in any TAP file.
std::vector<std::size_t> entriesOfBlocks(const tzx::Tape& tape, const std::string& tapBytes)
{
    MemoryTapeSource source(tapBytes);
    EntryScanner entries(source);
    ScannedEntry scanned;
    std::vector<std::size_t> result(tape.blocks.size(), 0);
    std::size_t entry = 0;
    std::uint64_t entryEnd = 0, at = 0;
    for (std::size_t i = 0; i < tape.blocks.size(); ++i) {
        if (tape.blocks[i].fate != Fate::Entry)
            continue;
        while (at >= entryEnd && entries.next(scanned)) {
            ++entry;
            entryEnd = scanned.offset + scanned.length;
        }
        result[i] = entry;
        at += tape.blocks[i].tapBlock.size();
    }
    return result;
}

std::string fateText(const tzx::Block& block, std::size_t entry)
{
    std::string text;
    switch (block.fate) {
    case Fate::Entry:
        return "entry " + std::to_string(entry);
    case Fate::PassedOver:
        text = "passed over";
        break;
    case Fate::NotConverted:
        text = "not converted";
        break;
    }
    return block.reason.empty() ? text : text + ": " + block.reason;
}

}  // namespace

bool isTzxTape(TapeSource& source)
{
    return tzx::hasTzxSignature(source.bytesAt(0, tzx::kSignature.size()));
}

std::string readWholeTape(FileTapeSource& source)
{
    std::string bytes;
    for (;;) {
        const std::string_view piece = source.bytesAt(bytes.size(), FileTapeSource::kCapacity);
        if (piece.empty())
            return bytes;
        bytes += piece;
    }
}

void writeTzxBlocks(const tzx::Tape& tape, const std::string& tapBytes, std::FILE* out)
{
    const auto number = [](std::size_t n) { return std::to_string(n); };
    std::string text = "TZX tape, version " + tzx::versionText(tape) + ": " +
                       number(tape.blocks.size()) + " blocks, " +
                       number(tzx::countOf(tape, Fate::Entry)) + " converted, " +
                       number(tzx::countOf(tape, Fate::PassedOver)) + " passed over, " +
                       number(tzx::countOf(tape, Fate::NotConverted)) + " not converted\n";
    // The number and offset columns widen to the largest of the tape, so every line keeps them.
    const int numberWidth =
        static_cast<int>(std::max<std::size_t>(5, number(tape.blocks.size()).size()));
    const int offsetWidth = static_cast<int>(std::max<std::size_t>(
        8, tape.blocks.empty() ? 0 : number(tape.blocks.back().offset).size()));
    char line[120];
    if (!tape.blocks.empty()) {
        std::snprintf(line, sizeof line, "%*s  %*s  ID    Kind                        Becomes\n",
                      numberWidth, "Block", offsetWidth, "Offset");
        text += line;
    }
    const std::vector<std::size_t> entries = entriesOfBlocks(tape, tapBytes);
    for (std::size_t i = 0; i < tape.blocks.size(); ++i) {
        const tzx::Block& block = tape.blocks[i];
        // The numbers go through text, so that no printf length modifier has to agree across
        // systems.
        std::snprintf(line, sizeof line, "%*s  %*s  0x%02X  %-26s  ", numberWidth,
                      number(i + 1).c_str(), offsetWidth, number(block.offset).c_str(), block.id,
                      std::string(tzx::blockName(block.id)).c_str());
        text += line + fateText(block, entries[i]) + "\n";
    }
    std::fwrite(text.data(), 1, text.size(), out);
}

}  // namespace murax::lister
