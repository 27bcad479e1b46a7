// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Z80 disassembler against tools we did not write: pasmo assembles its source back to the
// exact bytes, and z80dasm finds the same instructions wherever it decodes one. The code is every
// opcode of every prefix, and random bytes from fixed seeds.
//
// z80dasm spells some things otherwise, which the comparison reads as the same: numbers in hex
// with an h ("012h") against "$12" and decimal displacements, relative jumps as "$+20" from the
// instruction against the target's address, "sli" for SLL, and "rlc (ix+5) & ld b,(ix+5)" for
// the DD CB forms that also store to a register ("RLC (IX+5),B"; BIT stores nothing, so it is
// plain "BIT 0,(IX+5)"). Where z80dasm writes data (a prefix that does nothing, with the bytes
// after it; the ED codes it leaves undecoded, such as the repeated NEG), the two are compared
// again from the next place both start an instruction.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sstream>

#include "tape/inspect/z80_disassembly.h"
#include "tests/realtapes/oracle_tools.h"
#include "tests/realtapes/tzxlist_listing.h"
#include "tests/support/helpers/scratch_folder.h"

namespace murax::testing {
namespace {

constexpr std::size_t kAddressSpace = 0x10000;

// Each opcode of each table with operand bytes after it: the displacement negative under DD and
// FD, and the DD CB and FD CB forms with a positive and a negative displacement.
std::string everyOpcode()
{
    std::string code;
    for (unsigned op = 0; op < 256; ++op) {
        code += {char(op), '\x12', '\x34'};
        code += {'\xCB', char(op)};
        code += {'\xED', char(op), '\x34', '\x12'};
        for (const char prefix : {'\xDD', '\xFD'}) {
            code += {prefix, char(op), '\x85', '\x34'};
            code += {prefix, '\xCB', '\x05', char(op)};
            code += {prefix, '\xCB', '\xF0', char(op)};
        }
    }
    return code;
}

std::string randomBytes(unsigned seed, std::size_t size)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

struct CodeCase {
    const char* name;
    std::string code;
    std::uint16_t start;
    bool wraps() const { return start + code.size() > kAddressSpace; }
};

void PrintTo(const CodeCase& codeCase, std::ostream* out)
{
    *out << codeCase.name;
}

const CodeCase kCases[] = {
    {"every_opcode", everyOpcode(), 0x4000},
    {"random_at_32768", randomBytes(1, 16384), 0x8000},
    {"random_at_0", randomBytes(2, 16384), 0},
    // Up to 65535 exactly: relative jumps near the end reach past it.
    {"random_up_to_65535", randomBytes(3, 4096), 0xF000},
    {"random_across_65535", randomBytes(4, 8192), 0xF000},
};

class Z80Oracles : public ::testing::TestWithParam<CodeCase> {};

// What pasmo makes of the source: the bytes, or "" with the reason in `problem`.
std::string assembled(const ScratchFolder& folder, const std::string& source, std::string& problem)
{
    writeText(folder / "code.asm", source);
    int status = 0;
    const std::string said = runCommand(
        "pasmo --bin '" + folder / "code.asm" + "' '" + folder / "code.bin" + "' 2>&1", status);
    if (status != 0) {
        problem = said;
        return {};
    }
    return readText(folder / "code.bin");
}

TEST_P(Z80Oracles, PasmoAssemblesTheSourceBackToTheBytes)
{
    if (!toolInstalled("pasmo"))
        MURAX_MISSING_TOOL("pasmo");
    const CodeCase& code = GetParam();
    ScratchFolder folder;
    std::string problem;
    const std::string bytes = assembled(folder, z80Source(code.code, code.start), problem);
    ASSERT_EQ(problem, "");
    if (!code.wraps()) {
        const auto differ =
            std::mismatch(bytes.begin(), bytes.end(), code.code.begin(), code.code.end());
        EXPECT_TRUE(bytes == code.code)
            << "the assembled bytes differ from offset " << (differ.first - bytes.begin());
        return;
    }
    // Past 65535 the code goes on at 0, and pasmo's binary is the whole memory.
    ASSERT_EQ(bytes.size(), kAddressSpace);
    const std::size_t before = kAddressSpace - code.start;
    EXPECT_TRUE(bytes.substr(code.start) == code.code.substr(0, before));
    EXPECT_TRUE(bytes.substr(0, code.code.size() - before) == code.code.substr(before));
}

// One line of z80dasm's listing (with -a -t: the address and the bytes in a comment).
struct TheirLine {
    unsigned address = 0;
    std::size_t length = 0;
    std::string text;
    bool data = false;
};

std::vector<TheirLine> z80dasmLines(const std::string& listing)
{
    static const std::regex line(R"(^\t(.*?)\t+;([0-9a-f]{4})\t((?:[0-9a-f]{2} )+))");
    std::vector<TheirLine> lines;
    std::istringstream in(listing);
    std::smatch match;
    for (std::string text; std::getline(in, text);) {
        if (!std::regex_search(text, match, line))
            continue;
        TheirLine parsed;
        parsed.text = match[1];
        parsed.address = static_cast<unsigned>(std::stoul(match[2], nullptr, 16));
        parsed.length = match[3].length() / 3;
        parsed.data = parsed.text.rfind("defb", 0) == 0;
        lines.push_back(parsed);
    }
    return lines;
}

// Numbers as decimal values, and a "$+n" (a relative jump's target from the instruction at
// `address`) as the target's address; both spellings of a number read alike.
std::string numbersAsValues(const std::string& text, unsigned address)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '$' && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')) {
            std::size_t used = 0;
            const long offset = std::stol(text.substr(i + 1), &used);
            out += std::to_string((address + offset) & 0xFFFF);
            i += 1 + used;
        } else if (c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
            std::size_t end = i + 1;
            while (end < text.size() && std::isxdigit(static_cast<unsigned char>(text[end])))
                ++end;
            const bool hexSuffix = end < text.size() && text[end] == 'h';
            const std::string digits =
                text.substr(c == '$' ? i + 1 : i, end - (c == '$' ? i + 1 : i));
            out += std::to_string(std::stoul(digits, nullptr, c == '$' || hexSuffix ? 16 : 10));
            i = end + (hexSuffix ? 1 : 0);
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::string normalised(std::string text, unsigned address)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (text.rfind("sli ", 0) == 0)
        text.replace(0, 3, "sll");
    if (const std::size_t also = text.find(" & ld "); also != std::string::npos) {
        const std::string stored = text.substr(also + 6, text.find(',', also) - also - 6);
        text.erase(also);
        if (text.rfind("bit ", 0) != 0)
            text += "," + stored;
    }
    return numbersAsValues(text, address);
}

TEST_P(Z80Oracles, InstructionsAgreeWithZ80dasm)
{
    if (!toolInstalled("z80dasm"))
        MURAX_MISSING_TOOL("z80dasm");
    const CodeCase& code = GetParam();
    if (code.wraps())
        GTEST_SKIP() << "z80dasm disassembles no code past address 65535";
    ScratchFolder folder;
    writeText(folder / "code.bin", code.code);
    int status = 0;
    char origin[16];
    std::snprintf(origin, sizeof origin, "0x%04X", static_cast<unsigned>(code.start));
    const std::vector<TheirLine> theirs = z80dasmLines(runCommand(
        "z80dasm -u -a -t -g " + std::string(origin) + " '" + folder / "code.bin" + "' 2>/dev/null",
        status));
    ASSERT_EQ(status, 0);

    std::map<unsigned, const Z80Line*> ours;
    const std::vector<Z80Line> lines = disassembleZ80(code.code, code.start);
    for (const Z80Line& line : lines)
        ours[line.address] = &line;
    bool inStep = true;  // both started an instruction at the same place since z80dasm's last data
    std::size_t compared = 0;
    int reported = 0;
    for (const TheirLine& their : theirs) {
        const auto found = ours.find(their.address);
        if (found != ours.end())
            inStep = true;
        if (their.data) {
            inStep = false;
            continue;
        }
        if (found == ours.end()) {
            EXPECT_FALSE(inStep) << "z80dasm starts an instruction inside one of ours at "
                                 << their.address << ": " << their.text;
            continue;
        }
        ++compared;
        const Z80Instruction& instruction = found->second->instruction;
        const std::string mine = normalised(instruction.text, their.address);
        const std::string theirText = normalised(their.text, their.address);
        if ((mine != theirText || instruction.length != their.length) && reported++ < 20)
            ADD_FAILURE() << "at " << std::hex << their.address << std::dec << ": ours \""
                          << instruction.text << "\" (" << instruction.length
                          << " bytes), z80dasm's \"" << their.text << "\" (" << their.length
                          << " bytes)";
    }
    // Most of what z80dasm decodes is compared, not passed over.
    EXPECT_GT(compared, theirs.size() / 2);
}

// The instructions the source writes as DEFB are those that pasmo refuses as written or assembles
// into other bytes: one of each kind among every opcode's, alone at its address.
TEST(Z80Oracles, PasmoCannotWriteWhatTheSourceGivesAsData)
{
    if (!toolInstalled("pasmo"))
        MURAX_MISSING_TOOL("pasmo");
    const CodeCase& code = kCases[0];
    ScratchFolder folder;
    std::vector<std::pair<std::string, std::string>> asData;  // file name, the instruction's bytes
    std::set<std::string> seen;
    for (const Z80Line& line : disassembleZ80(code.code, code.start)) {
        const Z80Instruction& instruction = line.instruction;
        // One of each kind: the same word, as many operands, indexed or not.
        const std::string& text = instruction.text;
        const std::string kind = text.substr(0, text.find(' ')) +
                                 std::to_string(std::count(text.begin(), text.end(), ',')) +
                                 (text.find("(I") != std::string::npos ? "indexed" : "");
        if (instruction.assemblesAsWritten || !seen.insert(kind).second)
            continue;
        const std::string name = "i" + std::to_string(asData.size());
        writeText(folder / (name + ".asm"),
                  "\tORG " + std::to_string(line.address) + "\n\t" + instruction.text + "\n");
        asData.emplace_back(name, code.code.substr(line.offset, instruction.length));
    }
    ASSERT_FALSE(asData.empty());
    int status = 0;
    runCommand("cd '" + folder.path().string() +
                   "' && for f in *.asm; do pasmo --bin $f ${f%.asm}.bin >/dev/null 2>&1"
                   " || rm -f ${f%.asm}.bin; done",
               status);
    for (const auto& [name, bytes] : asData) {
        const std::string file = folder / (name + ".bin");
        const std::string source = readText(folder / (name + ".asm"));
        EXPECT_FALSE(std::filesystem::exists(file) && readText(file) == bytes)
            << "pasmo assembles " << source << " back to its bytes";
    }
}

INSTANTIATE_TEST_SUITE_P(Code, Z80Oracles, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace murax::testing
