// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace murax {

// One Z80 instruction, or the bytes at one place shown as data where they make none.
struct Z80Instruction {
    std::size_t length = 1;  // the bytes it takes, 1 to 4
    // In capitals, numbers in hexadecimal after '$' except displacements, bit numbers and
    // interrupt modes: "LD IX,$8026", "LD A,(IY-3)", "JR NZ,$8005". Data is "DEFB $DD" or
    // "DEFB $ED,$77".
    std::string text;
    // Whether pasmo assembles `text` back to exactly these bytes. It does not for the undocumented
    // forms it has no words for or encodes another way (the ED forms of LD (nn),HL and LD HL,(nn),
    // IN F,(C), OUT (C),0, the repeated NEG, RETN and IM codes, the DD CB and FD CB forms that
    // also store to a register or test a bit with another register's code), nor for a relative
    // jump whose target lies beyond 0-65535, which it cannot reach without the wrap.
    bool assemblesAsWritten = true;
};

// Decodes the instruction at the start of `code` (the bytes from there to the end of the data),
// which the processor finds at `address`. A DD or FD prefix that changes nothing (before an
// instruction without HL, H, L or (HL), or before another prefix) is one byte of data, as are
// the ED codes that do nothing (with their second byte); bytes that end before their instruction
// does are data together.
Z80Instruction decodeZ80(std::string_view code, std::uint16_t address);

// The bytes as data, as an instruction's text shows them: "DEFB $ED,$77".
std::string z80Data(std::string_view bytes);

}  // namespace murax
