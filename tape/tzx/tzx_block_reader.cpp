// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tzx/tzx_block_reader.h"

#include <algorithm>
#include <string_view>

#include "tape/format/entry_bytes.h"
#include "tape/tzx/generalised_data.h"
#include "tape/tzx/little_endian.h"

namespace murax::tzx {
namespace {

// The most bytes a TAP block holds: its length field has two bytes.
constexpr std::uint64_t kLargestTapBlock = 0xFFFF;
// From this minor version on, a block of an ID the reader does not know begins with its length.
constexpr unsigned kMinorWithLengthRule = 10;

// Where a block's length comes from: a fixed part after the ID, which ends with (or holds) a count
// of further units of bytes. Blocks that are not data blocks meet their fate by their ID alone.
struct Layout {
    unsigned id;
    std::string_view name;
    std::size_t fixed;
    std::size_t countAt = 0;
    std::size_t countWidth = 0;  // 0: the block is its fixed part alone
    std::size_t unit = 1;
    Fate fate = Fate::PassedOver;
    std::string_view reason = {};
};

constexpr Layout kLayouts[] = {
    {0x10, "standard speed data", 4, 2, 2, 1, Fate::Entry},
    {0x11, "turbo speed data", 0x12, 0x0F, 3, 1, Fate::Entry},
    {0x12, "pure tone", 4, 0, 0, 1, Fate::NotConverted, "a tone, no bytes"},
    {0x13, "pulse sequence", 1, 0, 1, 2, Fate::NotConverted, "pulses, no bytes"},
    {0x14, "pure data", 0x0A, 7, 3, 1, Fate::Entry},
    {0x15, "direct recording", 8, 5, 3, 1, Fate::NotConverted, "recorded sound, no bytes"},
    {0x16, "C64 ROM type data", 4, 0, 4, 1, Fate::NotConverted, "Commodore 64 data"},
    {0x17, "C64 turbo data", 4, 0, 4, 1, Fate::NotConverted, "Commodore 64 data"},
    {0x18, "CSW recording", 4, 0, 4, 1, Fate::NotConverted, "recorded sound, no bytes"},
    {0x19, "generalised data", 4, 0, 4, 1, Fate::Entry},
    {0x20, "pause", 2},
    {0x21, "group start", 1, 0, 1, 1},
    {0x22, "group end", 0},
    {0x23, "jump", 2},
    {0x24, "loop start", 2},
    {0x25, "loop end", 0},
    {0x26, "call sequence", 2, 0, 2, 2},
    {0x27, "return from sequence", 0},
    {0x28, "select block", 2, 0, 2, 1},
    {0x2A, "stop the tape in 48K mode", 4, 0, 4, 1},
    {0x2B, "signal level", 4, 0, 4, 1},
    {0x30, "text description", 1, 0, 1, 1},
    {0x31, "message", 2, 1, 1, 1},
    {0x32, "archive info", 2, 0, 2, 1},
    {0x33, "hardware type", 1, 0, 1, 3},
    {0x34, "emulation info", 8},
    {0x35, "custom info", 0x14, 0x10, 4, 1},
    {0x40, "snapshot", 4, 1, 3, 1, Fate::NotConverted, "a snapshot, not tape data"},
    {0x5A, "glue", 9},
};

constexpr Layout kUnknownWithLength{
    0, "unknown", 4, 0, 4, 1, Fate::NotConverted, "an ID this reader does not know"};

const Layout* knownLayout(unsigned id)
{
    for (const Layout& layout : kLayouts)
        if (layout.id == id)
            return &layout;
    return nullptr;
}

constexpr std::size_t kLargestFixedPart = [] {
    std::size_t largest = kUnknownWithLength.fixed;
    for (const Layout& layout : kLayouts)
        largest = std::max(largest, layout.fixed);
    return largest;
}();

// A data block of `size` bytes from `at` on, `bitsInLastByte` of the last one played: one TAP
// block when they make whole bytes that a TAP block can hold.
void takeBytes(Block& block, std::uint64_t at, std::uint64_t size, unsigned bitsInLastByte)
{
    if (size == 0) {
        block.fate = Fate::PassedOver;
        block.reason = "no bytes";
    } else if (bitsInLastByte != 8) {
        // The bits of the last byte that are not played have no meaning a TAP block could keep.
        block.fate = Fate::NotConverted;
        block.reason = "its last byte has " + std::to_string(bitsInLastByte) + " bits, not 8";
    } else if (size > kLargestTapBlock) {
        block.fate = Fate::NotConverted;
        block.reason = std::to_string(size) + " bytes, more than a TAP block holds (" +
                       std::to_string(kLargestTapBlock) + ")";
    } else {
        block.fate = Fate::Entry;
        block.dataOffset = at;
        block.dataSize = static_cast<std::size_t>(size);
    }
}

}  // namespace

std::string_view blockName(unsigned id)
{
    const Layout* layout = knownLayout(id);
    return layout ? layout->name : kUnknownWithLength.name;
}

BlockReader::BlockReader(TapeSource& source, std::uint64_t size) : source_(source), size_(size)
{
    const std::string_view header = source_.bytesAt(0, kHeaderSize);
    if (!hasTzxSignature(header)) {
        fault(0, "it does not begin with the TZX signature");
        return;
    }
    if (header.size() < kHeaderSize) {
        fault(header.size(), "the file ends at offset " + std::to_string(header.size()) +
                                 ", inside its 10-byte header");
        return;
    }
    major_ = byteAt(header, 8);
    minor_ = byteAt(header, 9);
    if (major_ != 1)
        fault(8, "its format version at offset 8 is " + versionText(major_, minor_) +
                     "; only version 1 tapes can be read");
}

void BlockReader::fault(std::uint64_t offset, std::string what)
{
    malformed_ = Malformed{offset, std::move(what)};
}

bool BlockReader::next(Block& block)
{
    if (malformed_ || at_ >= size_)
        return false;
    const std::string_view idByte = source_.bytesAt(at_, 1);
    if (idByte.empty()) {
        fault(at_, "the file ended at offset " + std::to_string(at_) + " while it was read");
        return false;
    }
    const unsigned id = byteAt(idByte, 0);
    const auto where = [&] { return blockPlace(count_ + 1, id, at_); };
    const Layout* layout = knownLayout(id);
    if (!layout && minor_ >= kMinorWithLengthRule)
        layout = &kUnknownWithLength;
    if (!layout) {
        fault(at_, where() + " has an ID that version " + versionText(major_, minor_) +
                       " of the format does not define, so its length is unknown");
        return false;
    }
    // Copied: the source's bytes last only until it is asked again.
    char fixedBytes[kLargestFixedPart];
    const std::string_view read = source_.bytesAt(at_ + 1, layout->fixed);
    const std::string_view fixed(fixedBytes, read.copy(fixedBytes, sizeof fixedBytes));
    // What the file has after the ID: what the source gives, where it gives less than it should.
    const std::uint64_t left = fixed.size() < layout->fixed ? fixed.size() : size_ - at_ - 1;
    std::uint64_t length = layout->fixed;
    if (fixed.size() == layout->fixed && layout->countWidth > 0)
        length += layout->unit * littleEndian(fixed, layout->countAt, layout->countWidth);
    if (length > left) {
        fault(at_, where() + " runs past the end of the file: it needs " + std::to_string(length) +
                       " bytes after its ID, " + std::to_string(left) +
                       (left == 1 ? " is left" : " are left"));
        return false;
    }
    block.offset = at_;
    block.id = id;
    block.fate = layout->fate;
    block.reason = layout->reason;
    block.dataOffset = 0;
    block.dataSize = 0;
    block.tapBlock.clear();
    const std::uint64_t body = at_ + 1;
    switch (id) {
    case 0x10:
        takeBytes(block, body + 4, length - 4, 8);
        break;
    case 0x11:
        takeBytes(block, body + 0x12, length - 0x12, byteAt(fixed, 0x0C));
        break;
    case 0x14:
        takeBytes(block, body + 0x0A, length - 0x0A, byteAt(fixed, 0x04));
        break;
    case 0x19: {
        const GeneralisedData data =
            readGeneralisedData(length - 4, [&](std::uint64_t at, std::size_t count) {
                return source_.bytesAt(body + 4 + at, count);
            });
        if (data.kind == GeneralisedData::Kind::Malformed) {
            fault(at_, where() + " does not hold what it declares: " + data.problem);
            return false;
        }
        if (data.kind == GeneralisedData::Kind::Bytes) {
            takeBytes(block, body + 4 + data.dataAt, data.dataSize, data.bitsInLastByte);
        } else {
            block.fate = Fate::NotConverted;
            block.reason = data.problem;
        }
        break;
    }
    default:
        break;
    }
    ++count_;
    at_ = body + length;
    return true;
}

}  // namespace murax::tzx
