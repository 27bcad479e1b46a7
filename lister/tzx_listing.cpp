// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/tzx_listing.h"

#include "lister/tape_listing.h"
#include "tape/format/entry_scanner.h"
#include "tape/tzx/tzx_block_reader.h"
#include "tape/tzx/tzx_tap_stream.h"

namespace murax::lister {
namespace {

using tzx::Fate;

// The entry (from 1) that each Entry block of the tape goes into, as the blocks pass in order. A
// header and the block after it make one entry, as in any TAP file, so the entries are found by
// the scanner over the converted bytes, which walks the tape beside the blocks' own walk.
class EntryOfBlocks {
public:
    explicit EntryOfBlocks(TzxTape& tape) : stream_(tape.newPass(), tape.size()), entries_(stream_)
    {}

    std::size_t next(const tzx::Block& block)
    {
        ScannedEntry scanned;
        while (at_ >= entryEnd_ && entries_.next(scanned)) {
            ++entry_;
            entryEnd_ = scanned.offset + scanned.length;
        }
        at_ += 2 + block.dataSize;
        return entry_;
    }

private:
    tzx::TapStream stream_;
    EntryScanner entries_;
    std::size_t entry_ = 0;
    std::uint64_t entryEnd_ = 0, at_ = 0;
};

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

void writeBlocks(TzxTape& tape, std::FILE* out)
{
    const tzx::Summary& summary = tape.summary();
    const auto number = [](std::uint64_t n) { return std::to_string(n); };
    std::string text = "TZX tape, version " + tzx::versionText(summary.major, summary.minor) +
                       ": " + number(summary.blocks) + " blocks, " +
                       number(summary.countOf(Fate::Entry)) + " converted, " +
                       number(summary.countOf(Fate::PassedOver)) + " passed over, " +
                       number(summary.countOf(Fate::NotConverted)) + " not converted\n";
    if (summary.blocks > 0)
        text += "Block    Offset  ID    Kind                        Becomes\n";
    std::fwrite(text.data(), 1, text.size(), out);

    tzx::BlockReader blocks(tape.newPass(), tape.size());
    EntryOfBlocks entries(tape);
    tzx::Block block;
    char line[80];
    while (blocks.next(block)) {
        const std::size_t entry = block.fate == Fate::Entry ? entries.next(block) : 0;
        // The numbers go through text, so that no printf length modifier has to agree across
        // systems.
        std::snprintf(line, sizeof line, "%5s  %8s  0x%02X  %-26s  ",
                      number(blocks.count()).c_str(), number(block.offset).c_str(), block.id,
                      std::string(tzx::blockName(block.id)).c_str());
        text = line + fateText(block, entry) + "\n";
        std::fwrite(text.data(), 1, text.size(), out);
    }
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

bool writeTzxListing(TzxTape& tape, std::FILE* out, bool check)
{
    writeBlocks(tape, out);
    if (tape.summary().malformed || tape.summary().tapSize == 0)
        return true;
    std::fputc('\n', out);
    tzx::TapStream entries(tape.newPass(), tape.size());
    return writeListing(entries, out, check);
}

std::optional<std::string> readTzxEntry(TzxTape& tape, std::size_t number, std::size_t& count)
{
    tzx::TapStream entries(tape.newPass(), tape.size());
    return readEntry(entries, number, count);
}

ByteParts tapFileOf(TzxTape& tape)
{
    return ByteParts([&tape](const ByteParts::Sink& sink) {
        std::optional<tzx::Malformed> fault;
        return tzx::writeTapBytes(tape.newPass(), tape.size(), sink, fault);
    });
}

std::string tapBytesOf(TzxTape& tape)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(tape.summary().tapSize));
    tapFileOf(tape).writeTo([&bytes](std::string_view piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

void forEachBlockLeftOut(TzxTape& tape,
                         const std::function<void(std::size_t number, const tzx::Block&)>& take)
{
    tzx::summarise(tape.newPass(), tape.size(), [&](std::size_t number, const tzx::Block& block) {
        if (block.fate == Fate::NotConverted)
            take(number, block);
    });
}

}  // namespace murax::lister
