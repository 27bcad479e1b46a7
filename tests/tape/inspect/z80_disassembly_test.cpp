// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer's lines of a disassembly. What the instructions are and that their source assembles
// back is held against pasmo and z80dasm (tests/realtapes/z80_oracles_test.cpp); here, how the
// lines show them where the address space ends and where the bytes are not code.
#include "tape/inspect/z80_disassembly.h"

#include <gtest/gtest.h>

namespace murax::testing {
namespace {

struct LinesCase {
    const char* name;
    std::string code;
    std::uint16_t start;
    std::vector<std::string> lines;
};

void PrintTo(const LinesCase& linesCase, std::ostream* out)
{
    *out << linesCase.name;
}

class DisassemblyLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(DisassemblyLines, ShowAddressBytesAndInstruction)
{
    EXPECT_EQ(disassemblyLines(GetParam().code, GetParam().start), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Code, DisassemblyLines,
    ::testing::Values(
        // The address wraps inside an instruction, and a jump back from 2 reaches the top.
        LinesCase{"across_65535",
                  std::string("\x00\x21\x34\x12\x18\x80", 6),
                  0xFFFE,
                  {"FFFE  00           NOP", "FFFF  21 34 12     LD HL,$1234",
                   "0002  18 80        JR $FF84"}},
        // A prefix before an instruction without HL changes nothing; the last bytes make no
        // whole instruction.
        LinesCase{"prefix_alone_and_bytes_cut_short",
                  std::string("\xDD\x00\xDD\x66\x80\xFD\xCB\x05", 8),
                  0x8000,
                  {"8000  DD           DEFB $DD", "8001  00           NOP",
                   "8002  DD 66 80     LD H,(IX-128)", "8005  FD CB 05     DEFB $FD,$CB,$05"}},
        LinesCase{"nothing", "", 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace murax::testing
