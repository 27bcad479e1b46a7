// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/header_fields.h"

#include "tape/format/display_charset.h"
#include "tape/format/entry_bytes.h"
#include "tape/format/hex_text.h"
#include "tape/format/tap_layout.h"

namespace murax {
namespace {

constexpr unsigned kNoAutostart = 32768;

std::string hexBytes(std::string_view bytes)
{
    std::string text;
    for (const char c : bytes) {
        if (!text.empty())
            text += ' ';
        appendHex(text, static_cast<unsigned char>(c), 2);
    }
    return text;
}

std::string typeText(unsigned type)
{
    switch (type) {
    case 0:
        return "0 (Program)";
    case 1:
        return "1 (Number array)";
    case 2:
        return "2 (Character array)";
    case 3:
        return "3 (Bytes)";
    default:
        return std::to_string(type) + " (not a standard type)";
    }
}

// An array's variable: the high byte of parameter 1 holds its letter in the low five bits.
std::string arrayVariable(const HeaderFields& header)
{
    const unsigned letterBits = (header.parameter1 >> 8) & 0x1Fu;
    if (letterBits < 1 || letterBits > 26)
        return "not a letter (" + std::to_string(header.parameter1 >> 8) + ")";
    const std::string letter(1, static_cast<char>('a' + letterBits - 1));
    return header.type == 2 ? letter + "$()" : letter + "()";
}

}  // namespace

std::optional<HeaderFields> decodeHeader(std::string_view entry)
{
    if (!isHeaderEntry(entry))
        return std::nullopt;
    // The fields must lie inside the header block, not in the bytes of the block after a short one.
    const std::string_view block = entryBlocks(entry).front();
    if (block.size() < tap::header::kChecksum)
        return std::nullopt;
    HeaderFields header;
    header.flag = static_cast<unsigned char>(block[tap::header::kFlag]);
    header.type = static_cast<unsigned char>(block[tap::header::kType]);
    header.name = std::string(block.substr(tap::header::kName, tap::kNameLength));
    header.dataLength = wordAt(block, tap::header::kDataLength);
    header.parameter1 = wordAt(block, tap::header::kParameter1);
    header.parameter2 = wordAt(block, tap::header::kParameter2);
    return header;
}

std::optional<unsigned> autostartLine(const HeaderFields& header)
{
    if (header.type != 0 || header.parameter1 >= kNoAutostart)
        return std::nullopt;
    return header.parameter1;
}

std::vector<FieldLine> describeHeader(const HeaderFields& header)
{
    std::vector<FieldLine> lines = {
        {"Flag", hexByte(header.flag)},
        {"Type", typeText(header.type)},
        {"Name", "\"" + bytesToDisplayUtf8(header.name) + "\" (" + hexBytes(header.name) + ")"},
        {"Data length", std::to_string(header.dataLength)},
    };
    const std::string p1 = std::to_string(header.parameter1);
    const std::string p2 = std::to_string(header.parameter2);
    switch (header.type) {
    case 0: {
        const auto line = autostartLine(header);
        lines.push_back({"Autostart line", line ? std::to_string(*line) : "none (" + p1 + ")"});
        std::string length = p2;
        if (header.parameter2 <= header.dataLength)
            length +=
                " (variables after it: " + std::to_string(header.dataLength - header.parameter2) +
                " bytes)";
        lines.push_back({"Program length", length});
        break;
    }
    case 1:
    case 2:
        lines.push_back({"Variable", arrayVariable(header)});
        lines.push_back({"Parameter 2", p2 + " (unused)"});
        break;
    case 3:
        lines.push_back({"Start address", p1});
        lines.push_back({"Parameter 2", p2});
        break;
    default:
        lines.push_back({"Parameter 1", p1});
        lines.push_back({"Parameter 2", p2});
        break;
    }
    return lines;
}

}  // namespace murax
