// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tzx/tzx_reader.h"

#include <cstdio>

#include "tape/format/hex_text.h"
#include "tape/tzx/tzx_block_reader.h"

namespace murax::tzx {

bool hasTzxSignature(std::string_view file)
{
    return file.substr(0, kSignature.size()) == kSignature;
}

std::string blockPlace(std::size_t number, unsigned id, std::uint64_t offset)
{
    return "block " + std::to_string(number) + " (ID " + hexByte(id) + ", " +
           std::string(blockName(id)) + ") at offset " + std::to_string(offset);
}

Tape readTzx(std::string_view file)
{
    MemoryTapeSource source(file);
    BlockReader reader(source, file.size());
    Tape tape;
    tape.major = reader.major();
    tape.minor = reader.minor();
    Block block;
    while (reader.next(block)) {
        if (block.fate == Fate::Entry) {
            block.tapBlock = {static_cast<char>(block.dataSize & 0xFF),
                              static_cast<char>(block.dataSize >> 8)};
            block.tapBlock +=
                file.substr(static_cast<std::size_t>(block.dataOffset), block.dataSize);
        }
        tape.blocks.push_back(std::move(block));
        block = {};
    }
    tape.malformed = reader.malformed();
    return tape;
}

std::string versionText(unsigned major, unsigned minor)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%02u", major, minor);
    return text;
}

std::string versionText(const Tape& tape)
{
    return versionText(tape.major, tape.minor);
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
