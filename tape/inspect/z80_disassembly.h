// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tape/inspect/z80_instruction.h"

namespace murax {

// One instruction of a disassembly and where it is.
struct Z80Line {
    std::uint16_t address = 0;  // wrapped past 65535 to 0, as the processor's counter wraps
    std::size_t offset = 0;     // where its bytes begin in the code
    Z80Instruction instruction;
};

// `code` read as Z80 instructions from its first byte, placed at `start`.
std::vector<Z80Line> disassembleZ80(std::string_view code, std::uint16_t start);

// The disassembly as text, a line per instruction: the address in hex, the bytes in hex and the
// instruction ("8000  DD 21 26 80  LD IX,$8026").
std::vector<std::string> disassemblyLines(std::string_view code, std::uint16_t start);

// Assembler source for `code` at `start` that pasmo assembles back to exactly its bytes: an ORG,
// then the instructions; those that pasmo spells or encodes otherwise are DEFB with the
// instruction in a comment. Where the code runs past 65535 a second ORG puts the rest at 0, as
// the processor's memory holds it; pasmo's binary is then all 64 KB in address order.
std::string z80Source(std::string_view code, std::uint16_t start);

// Where an entry's data goes as code: a bytes header's start address, 0 for a data block without
// a header; nothing for a program or an array, whose data is not code.
std::optional<std::uint16_t> codeAddressOfEntry(std::string_view entry);

}  // namespace murax
