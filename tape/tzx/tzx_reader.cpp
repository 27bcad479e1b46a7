// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tzx/tzx_reader.h"

#include <cstdint>
#include <cstdio>

#include "tape/format/entry_bytes.h"
#include "tape/tzx/generalised_data.h"
#include "tape/tzx/little_endian.h"

namespace murax::tzx {
namespace {

// The most bytes a TAP block holds: its length field has two bytes.
constexpr std::size_t kLargestTapBlock = 0xFFFF;
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

std::string hexByte(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFFu);
    return text;
}

// A data block's bytes, `bitsInLastByte` of the last one played: one TAP block when they make
// whole bytes that a TAP block can hold.
void takeBytes(Block& block, std::string_view data, unsigned bitsInLastByte)
{
    if (data.empty()) {
        block.fate = Fate::PassedOver;
        block.reason = "no bytes";
    } else if (bitsInLastByte != 8) {
        // The bits of the last byte that are not played have no meaning a TAP block could keep.
        block.fate = Fate::NotConverted;
        block.reason = "its last byte has " + std::to_string(bitsInLastByte) + " bits, not 8";
    } else if (data.size() > kLargestTapBlock) {
        block.fate = Fate::NotConverted;
        block.reason = std::to_string(data.size()) + " bytes, more than a TAP block holds (" +
                       std::to_string(kLargestTapBlock) + ")";
    } else {
        block.fate = Fate::Entry;
        block.tapBlock = {static_cast<char>(data.size() & 0xFF),
                          static_cast<char>(data.size() >> 8)};
        block.tapBlock += data;
    }
}

// Converts a data block from its body (the bytes after its ID); false when its generalised data
// do not fit it, with `problem` saying why.
bool convertDataBlock(Block& block, std::string_view body, std::string& problem)
{
    switch (block.id) {
    case 0x10:
        takeBytes(block, body.substr(4), 8);
        return true;
    case 0x11:
        takeBytes(block, body.substr(0x12), byteAt(body, 0x0C));
        return true;
    case 0x14:
        takeBytes(block, body.substr(0x0A), byteAt(body, 0x04));
        return true;
    default:
        break;
    }
    const GeneralisedData data = readGeneralisedData(body.substr(4));
    switch (data.kind) {
    case GeneralisedData::Kind::Bytes:
        takeBytes(block, data.bytes, data.bitsInLastByte);
        return true;
    case GeneralisedData::Kind::NotStandard:
        block.fate = Fate::NotConverted;
        block.reason = data.problem;
        return true;
    case GeneralisedData::Kind::Malformed:
        break;
    }
    problem = data.problem;
    return false;
}

Malformed malformedAt(std::size_t offset, std::string what)
{
    return {offset, std::move(what)};
}

}  // namespace

bool hasTzxSignature(std::string_view file)
{
    return file.substr(0, kSignature.size()) == kSignature;
}

std::string blockPlace(std::size_t number, unsigned id, std::size_t offset)
{
    return "block " + std::to_string(number) + " (ID " + hexByte(id) + ", " +
           std::string(blockName(id)) + ") at offset " + std::to_string(offset);
}

std::string_view blockName(unsigned id)
{
    const Layout* layout = knownLayout(id);
    return layout ? layout->name : kUnknownWithLength.name;
}

Tape readTzx(std::string_view file)
{
    Tape tape;
    if (!hasTzxSignature(file)) {
        tape.malformed = malformedAt(0, "it does not begin with the TZX signature");
        return tape;
    }
    if (file.size() < kHeaderSize) {
        tape.malformed =
            malformedAt(file.size(), "the file ends at offset " + std::to_string(file.size()) +
                                         ", inside its 10-byte header");
        return tape;
    }
    tape.major = byteAt(file, 8);
    tape.minor = byteAt(file, 9);
    if (tape.major != 1) {
        tape.malformed = malformedAt(8, "its format version at offset 8 is " + versionText(tape) +
                                            "; only version 1 tapes can be read");
        return tape;
    }

    std::size_t at = kHeaderSize;
    while (at < file.size()) {
        const unsigned id = byteAt(file, at);
        const std::string where = blockPlace(tape.blocks.size() + 1, id, at);
        const Layout* layout = knownLayout(id);
        if (!layout && tape.minor >= kMinorWithLengthRule)
            layout = &kUnknownWithLength;
        if (!layout) {
            tape.malformed =
                malformedAt(at, where + " has an ID that version " + versionText(tape) +
                                    " of the format does not define, so its length is unknown");
            return tape;
        }
        const std::string_view rest = file.substr(at + 1);
        std::uint64_t length = layout->fixed;
        if (rest.size() >= layout->fixed && layout->countWidth > 0)
            length += layout->unit * littleEndian(rest, layout->countAt, layout->countWidth);
        if (length > rest.size()) {
            tape.malformed = malformedAt(at, where + " runs past the end of the file: it needs " +
                                                 std::to_string(length) + " bytes after its ID, " +
                                                 std::to_string(rest.size()) +
                                                 (rest.size() == 1 ? " is left" : " are left"));
            return tape;
        }
        Block block{at, id, layout->fate, {}, std::string(layout->reason)};
        std::string problem;
        if (layout->fate == Fate::Entry &&
            !convertDataBlock(block, rest.substr(0, static_cast<std::size_t>(length)), problem)) {
            tape.malformed = malformedAt(at, where + " does not hold what it declares: " + problem);
            return tape;
        }
        tape.blocks.push_back(std::move(block));
        at += 1 + static_cast<std::size_t>(length);
    }
    return tape;
}

std::string versionText(const Tape& tape)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%02u", tape.major, tape.minor);
    return text;
}

std::string tapBytes(const Tape& tape)
{
    std::string bytes;
    for (const Block& block : tape.blocks)
        if (block.fate == Fate::Entry)
            bytes += block.tapBlock;
    return bytes;
}

std::size_t countOf(const Tape& tape, Fate fate)
{
    std::size_t count = 0;
    for (const Block& block : tape.blocks)
        count += block.fate == fate ? 1 : 0;
    return count;
}

}  // namespace murax::tzx
