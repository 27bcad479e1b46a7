// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/inspect/z80_disassembly.h"

#include <cstdio>

#include "tape/format/entry_bytes.h"
#include "tape/format/header_fields.h"
#include "tape/format/hex_text.h"

namespace murax {
namespace {

constexpr unsigned kBytesType = 3;
constexpr std::size_t kAddressSpace = 0x10000;
constexpr std::size_t kLongestInstruction = 4;
constexpr const char* kIndent = "        ";
constexpr std::size_t kCommentColumn = 32;

void addSourceLine(std::string& source, const std::string& statement, const std::string& comment)
{
    const std::size_t from = source.size();
    source += kIndent;
    source += statement;
    if (!comment.empty()) {
        const std::size_t width = source.size() - from;
        source.append(width < kCommentColumn ? kCommentColumn - width : 1, ' ');
        source += "; ";
        source += comment;
    }
    source += '\n';
}

}  // namespace

std::vector<Z80Line> disassembleZ80(std::string_view code, std::uint16_t start)
{
    std::vector<Z80Line> lines;
    lines.reserve(code.size() / 2 + 1);
    for (std::size_t at = 0; at < code.size();) {
        const auto address = static_cast<std::uint16_t>(start + at);
        Z80Instruction instruction = decodeZ80(code.substr(at, kLongestInstruction), address);
        const std::size_t length = instruction.length;
        lines.push_back({address, at, std::move(instruction)});
        at += length;
    }
    return lines;
}

std::vector<std::string> disassemblyLines(std::string_view code, std::uint16_t start)
{
    std::vector<std::string> text;
    const std::vector<Z80Line> lines = disassembleZ80(code, start);
    text.reserve(lines.size());
    for (const Z80Line& line : lines) {
        std::string shown;
        shown.reserve(32);
        appendHex(shown, line.address, 4);
        shown += "  ";
        for (std::size_t i = 0; i < kLongestInstruction; ++i) {
            if (i < line.instruction.length) {
                appendHex(shown, static_cast<unsigned char>(code[line.offset + i]), 2);
                shown += ' ';
            } else {
                shown += "   ";
            }
        }
        shown += ' ';
        shown += line.instruction.text;
        text.push_back(std::move(shown));
    }
    return text;
}

std::string z80Source(std::string_view code, std::uint16_t start)
{
    std::string source;
    source.reserve(code.size() * 12 + 32);
    char org[16];
    std::snprintf(org, sizeof org, "ORG $%04X", static_cast<unsigned>(start));
    addSourceLine(source, org, "");
    bool wrapped = false;
    for (const Z80Line& line : disassembleZ80(code, start)) {
        const Z80Instruction& instruction = line.instruction;
        const std::string_view bytes = code.substr(line.offset, instruction.length);
        const std::size_t end = start + line.offset + instruction.length;
        if (!wrapped && end > kAddressSpace) {
            // The bytes before 65536 end the first part, the rest go on at 0.
            const std::size_t before = kAddressSpace - (start + line.offset);
            if (before > 0)
                addSourceLine(source, z80Data(bytes.substr(0, before)), instruction.text);
            addSourceLine(source, "ORG $0000", "the addresses wrap past 65535");
            wrapped = true;
            if (before > 0) {
                addSourceLine(source, z80Data(bytes.substr(before)), "");
                continue;
            }
        }
        if (instruction.assemblesAsWritten)
            addSourceLine(source, instruction.text, "");
        else
            addSourceLine(source, z80Data(bytes), instruction.text);
    }
    return source;
}

std::optional<std::uint16_t> codeAddressOfEntry(std::string_view entry)
{
    if (!isHeaderEntry(entry))
        return 0;
    const auto header = decodeHeader(entry);
    if (!header || header->type != kBytesType)
        return std::nullopt;
    return static_cast<std::uint16_t>(header->parameter1);
}

}  // namespace murax
