// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/entry_checks.h"

#include <algorithm>
#include <cstring>

#include "tape/format/entry_bytes.h"
#include "tape/format/hex_text.h"
#include "tape/format/tap_layout.h"

namespace murax {
namespace {

// Small pieces: a source that holds a larger buffer hands them out without moving its bytes.
constexpr std::size_t kPiece = 4096;
// A standard header: flag, type, ten name bytes, data length, two parameters, checksum.

// The XOR of all the bytes, eight at a time: a check of a large tape is a pass over all of it.
unsigned xorOfBytes(std::string_view bytes)
{
    std::uint64_t wide = 0;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        wide ^= word;
    }
    unsigned narrow = 0;
    for (; i < bytes.size(); ++i)
        narrow ^= static_cast<unsigned char>(bytes[i]);
    for (int shift = 0; shift < 64; shift += 8)
        narrow ^= static_cast<unsigned>(wide >> shift) & 0xFFu;
    return narrow;
}

// The names a block goes by in a sentence and in a short phrase.
struct BlockName {
    const char* title;
    const char* lower;
};
constexpr BlockName kHeaderBlock{"Header", "header"};
constexpr BlockName kDataBlock{"Data", "data"};

// The block whose length field starts at `position`; `head` gets its first bytes (flag and the
// header's fields) as the pass goes by them, for the tape is not read twice.
BlockFacts blockFacts(TapeSource& source, std::uint64_t position, std::string* head = nullptr)
{
    BlockFacts facts;
    const std::string_view field = source.bytesAt(position, 2);
    facts.lengthFieldBytes = static_cast<unsigned>(field.size());
    if (field.size() < 2)
        return facts;
    facts.declaredLength = wordAt(field, 0);
    unsigned xorOfAll = 0, last = 0;
    std::uint64_t at = position + 2;
    const std::uint64_t end = at + facts.declaredLength;
    while (at < end) {
        const std::string_view piece =
            source.bytesAt(at, static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, end - at)));
        if (piece.empty())
            break;
        if (at == position + 2)
            facts.flag = byteAt(piece, 0);
        if (head && head->size() < tap::kHeaderBlockLength)
            head->append(piece.substr(0, tap::kHeaderBlockLength - head->size()));
        xorOfAll ^= xorOfBytes(piece);
        last = byteAt(piece, piece.size() - 1);
        at += piece.size();
    }
    facts.presentLength = at - (position + 2);
    facts.computedChecksum = xorOfAll;
    // The checksum is the last byte of a complete block of flag, payload and checksum; it is not
    // part of what it sums.
    if (facts.complete() && facts.declaredLength >= 2) {
        facts.storedChecksum = last;
        facts.computedChecksum = xorOfAll ^ last;
    }
    return facts;
}

void flagVerdict(BlockName block, const BlockFacts& facts, unsigned expected,
                 std::vector<Verdict>& out)
{
    if (!facts.flag)
        return;
    const std::string name(block.title);
    if (*facts.flag == expected)
        out.push_back({CheckKind::Flag, true,
                       name + " block: flag " + hexByte(expected) + " as expected", ""});
    else
        out.push_back(
            {CheckKind::Flag, false,
             name + " block: flag " + hexByte(*facts.flag) + ", expected " + hexByte(expected),
             std::string(block.lower) + " flag " + hexByte(*facts.flag)});
}

void checksumVerdict(BlockName block, const BlockFacts& facts, std::vector<Verdict>& out)
{
    const std::string name(block.title);
    const std::string lower(block.lower);
    if (facts.complete() && !facts.storedChecksum) {
        out.push_back({CheckKind::Checksum, false,
                       name + " block: " + std::to_string(facts.declaredLength) +
                           " bytes long, too short for a flag and a checksum",
                       lower + " block too short"});
        return;
    }
    if (!facts.storedChecksum)
        return;  // cut short: told by its own verdict
    const std::string sums = "checksum " + hexByte(*facts.storedChecksum) + " stored, " +
                             hexByte(facts.computedChecksum) + " computed";
    if (*facts.storedChecksum == facts.computedChecksum)
        out.push_back({CheckKind::Checksum, true, name + " block: " + sums + ": correct", ""});
    else
        out.push_back({CheckKind::Checksum, false, name + " block: " + sums + ": wrong",
                       lower + " checksum"});
}

void cutVerdict(BlockName block, const BlockFacts& facts, std::vector<Verdict>& out)
{
    if (facts.complete())
        return;
    const std::string name(block.title);
    const std::string lower(block.lower);
    std::string text = name + " block cut short by the end of the file: ";
    if (facts.lengthFieldBytes < 2)
        text += "its length field is incomplete";
    else
        text += std::to_string(facts.presentLength) + " of " +
                std::to_string(facts.declaredLength) + " bytes present";
    out.push_back({CheckKind::CutShort, false, text, lower + " block cut short"});
}

}  // namespace

std::uint64_t EntryFacts::length() const
{
    std::uint64_t length = 2u + first.declaredLength;
    if (header)
        length += 2u + (second ? second->declaredLength : 0u);
    return length;
}

EntryFacts gatherFacts(TapeSource& source, std::uint64_t offset, bool header)
{
    EntryFacts facts;
    facts.header = header;
    std::string head;
    facts.first = blockFacts(source, offset, &head);
    if (!header)
        return facts;
    const BlockFacts& first = facts.first;
    if (first.complete() && first.declaredLength == tap::kHeaderBlockLength)
        facts.headerDataLength = wordAt(head, tap::header::kDataLength);
    const std::uint64_t next = offset + 2 + first.declaredLength;
    if (first.complete() && !source.bytesAt(next, 1).empty())
        facts.second = blockFacts(source, next);
    return facts;
}

EntryFacts factsOfEntry(std::string_view entryBytes)
{
    MemoryTapeSource source(entryBytes);
    return gatherFacts(source, 0, isHeaderEntry(entryBytes));
}

std::vector<Verdict> entryVerdicts(const EntryFacts& facts)
{
    std::vector<Verdict> out;
    const BlockName first = facts.header ? kHeaderBlock : kDataBlock;
    flagVerdict(first, facts.first, facts.header ? tap::kHeaderFlag : tap::kDataFlag, out);
    checksumVerdict(first, facts.first, out);
    cutVerdict(first, facts.first, out);
    if (!facts.header)
        return out;
    if (facts.first.complete() && facts.first.declaredLength != tap::kHeaderBlockLength)
        out.push_back({CheckKind::DataLength, false,
                       "Header block: " + std::to_string(facts.first.declaredLength) +
                           " bytes long, not the 19 of a header",
                       "header length " + std::to_string(facts.first.declaredLength)});
    if (!facts.second) {
        if (facts.first.complete())
            out.push_back({CheckKind::CutShort, false,
                           "Data block missing: the file ends after the header",
                           "data block missing"});
        return out;
    }
    const BlockFacts& data = *facts.second;
    flagVerdict(kDataBlock, data, tap::kDataFlag, out);
    checksumVerdict(kDataBlock, data, out);
    if (facts.headerDataLength && data.lengthFieldBytes == 2) {
        const unsigned held = data.declaredLength >= 2 ? data.declaredLength - 2 : 0;
        const std::string says = "Data length: the header says " +
                                 std::to_string(*facts.headerDataLength) +
                                 ", the data block holds " + std::to_string(held);
        if (held == *facts.headerDataLength && data.declaredLength >= 2)
            out.push_back({CheckKind::DataLength, true, says + ": they agree", ""});
        else
            out.push_back(
                {CheckKind::DataLength, false, says + ": they differ", "length mismatch"});
    }
    cutVerdict(kDataBlock, data, out);
    return out;
}

bool allPassed(const std::vector<Verdict>& verdicts)
{
    for (const Verdict& verdict : verdicts)
        if (!verdict.passed)
            return false;
    return true;
}

std::string verdictColumn(const std::vector<Verdict>& verdicts)
{
    std::string column;
    for (const Verdict& verdict : verdicts) {
        if (verdict.passed)
            continue;
        if (!column.empty())
            column += ", ";
        column += verdict.brief;
    }
    return column.empty() ? "ok" : column;
}

}  // namespace murax
