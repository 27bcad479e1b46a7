// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/tzx_listing.h"

#include <algorithm>

#include "lister/tape_listing.h"
#include "tape/format/entry_bytes.h"
#include "tape/format/hex_text.h"
#include "tape/tzx/tzx_block_reader.h"
#include "tape/tzx/tzx_tap_stream.h"

namespace murax::lister {
namespace {

using tzx::Fate;

// The entry (from 1) that each Entry block of the tape goes into, as the blocks pass in order: a
// block whose flag byte marks a header makes one entry with the block after it, as in any TAP
// file (see isHeaderEntry), any other block an entry of its own.
class EntryOfBlocks {
public:
    // `first` is the block's first byte, its flag.
    std::size_t next(char first)
    {
        if (headerOpen_) {
            headerOpen_ = false;
            return entry_;
        }
        const char framed[] = {1, 0, first};
        headerOpen_ = isHeaderEntry(std::string_view(framed, sizeof framed));
        return ++entry_;
    }

private:
    std::size_t entry_ = 0;
    bool headerOpen_ = false;
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

// The most bytes of block lines kept while the first walk counts the blocks for the line that
// comes before them: a tape of fewer blocks is walked once for both, a larger one once more.
constexpr std::size_t kBlockLinesKept = 2 << 20;

// A block's line without its number and offset, which are padded to widths known only once every
// block has been counted: ID, kind and fate.
void appendLineEnd(std::string& line, const tzx::Block& block, std::size_t entry)
{
    line += hexByte(block.id);
    line += "  ";
    const std::string_view name = tzx::blockName(block.id);
    line += name;
    line.append(26 - std::min<std::size_t>(26, name.size()) + 2, ' ');
    line += fateText(block, entry);
    line += '\n';
}

// The widths of the number and offset columns: they widen to the largest of the tape, so every
// line keeps them.
struct Columns {
    std::size_t number = 5;
    std::size_t offset = 8;
};

// `text` right-aligned in `width` columns, and the two spaces after it.
void appendColumn(std::string& line, std::string_view text, std::size_t width)
{
    line.append(width - std::min(width, text.size()), ' ');
    line += text;
    line += "  ";
}

struct Walked {
    tzx::Summary summary;
    Columns columns;
};

// Walks the tape's blocks, handing each one's number, offset and the rest of its line to `line`
// for as long as it returns true; the walk goes on to the end to count them.
using BlockLine = std::function<bool(const std::string& number, const std::string& offset,
                                     const std::string& end)>;
Walked walkBlockLines(TzxTape& tape, const BlockLine& line)
{
    TapeSource& source = tape.newPass();
    EntryOfBlocks entries;
    std::string number, offset, end;
    bool wanted = true;
    Walked walked;
    walked.summary =
        tzx::summarise(source, tape.size(), [&](std::size_t at, const tzx::Block& block) {
            std::size_t entry = 0;
            if (block.fate == Fate::Entry) {
                const std::string_view flag = source.bytesAt(block.dataOffset, 1);
                entry = entries.next(flag.empty() ? '\0' : flag[0]);
            }
            number = std::to_string(at);
            offset = std::to_string(block.offset);
            walked.columns.number = std::max(walked.columns.number, number.size());
            walked.columns.offset = std::max(walked.columns.offset, offset.size());
            if (!wanted)
                return;
            end.clear();
            appendLineEnd(end, block, entry);
            wanted = line(number, offset, end);
        });
    return walked;
}

void writeText(const std::string& text, std::FILE* out)
{
    std::fwrite(text.data(), 1, text.size(), out);
}

void writeBlocks(TzxTape& tape, std::FILE* out)
{
    // Kept as number, tab, offset, tab, the rest of the line.
    std::string kept;
    bool allKept = true;
    const Walked walked = walkBlockLines(
        tape, [&](const std::string& number, const std::string& offset, const std::string& end) {
            allKept =
                kept.size() + number.size() + offset.size() + end.size() + 2 <= kBlockLinesKept;
            if (allKept)
                kept += number + '\t' + offset + '\t' + end;
            else
                std::string().swap(kept);
            return allKept;
        });
    const tzx::Summary& summary = walked.summary;
    const Columns& columns = walked.columns;
    tape.keepSummary(summary);
    const auto count = [](std::uint64_t n) { return std::to_string(n); };
    std::string text = "TZX tape, version " + tzx::versionText(summary.major, summary.minor) +
                       ": " + count(summary.blocks) + " blocks, " +
                       count(summary.countOf(Fate::Entry)) + " converted, " +
                       count(summary.countOf(Fate::PassedOver)) + " passed over, " +
                       count(summary.countOf(Fate::NotConverted)) + " not converted\n";
    if (summary.blocks > 0) {
        appendColumn(text, "Block", columns.number);
        appendColumn(text, "Offset", columns.offset);
        text += "ID    Kind                        Becomes\n";
    }
    writeText(text, out);
    std::string line;
    const auto writeLine = [&](std::string_view number, std::string_view offset,
                               std::string_view end) {
        line.clear();
        appendColumn(line, number, columns.number);
        appendColumn(line, offset, columns.offset);
        line += end;
        writeText(line, out);
        return true;
    };
    if (!allKept) {
        walkBlockLines(tape, writeLine);
        return;
    }
    for (std::string_view rest = kept; !rest.empty();) {
        const std::size_t tab = rest.find('\t'), secondTab = rest.find('\t', tab + 1);
        const std::size_t lineEnd = rest.find('\n', secondTab) + 1;
        writeLine(rest.substr(0, tab), rest.substr(tab + 1, secondTab - tab - 1),
                  rest.substr(secondTab + 1, lineEnd - secondTab - 1));
        rest.remove_prefix(lineEnd);
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

ByteParts tapFileOf(TzxTape& tape)
{
    return ByteParts([&tape](const ByteParts::Sink& sink) {
        // Small blocks are gathered into pieces of a useful size: a write per block of a few
        // bytes would cost a tape of millions of them a system call each.
        constexpr std::size_t kPiece = 1 << 16;
        std::string gathered;
        const auto give = [&](std::string_view piece) {
            if (gathered.size() + piece.size() > kPiece) {
                if (!gathered.empty() && !sink(gathered))
                    return false;
                gathered.clear();
            }
            if (piece.size() >= kPiece)
                return sink(piece);
            gathered += piece;
            return true;
        };
        std::optional<tzx::Malformed> fault;
        return tzx::writeTapBytes(tape.newPass(), tape.size(), give, fault) &&
               (gathered.empty() || sink(gathered));
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
