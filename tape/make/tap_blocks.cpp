// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/make/tap_blocks.h"

#include "tape/format/tap_layout.h"

namespace murax {
namespace {

void putWord(std::string& bytes, std::size_t at, std::size_t value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

// The block `flag` + `payload` with its length field before it and its checksum (the XOR of the
// flag and every payload byte) after it.
std::string framedBlock(unsigned flag, std::string_view payload)
{
    std::string block(tap::kLengthFieldSize, '\0');
    putWord(block, 0, payload.size() + 2);
    block += static_cast<char>(flag);
    block += payload;
    unsigned char checksum = 0;
    for (std::size_t i = tap::kLengthFieldSize; i < block.size(); ++i)
        checksum ^= static_cast<unsigned char>(block[i]);
    block += static_cast<char>(checksum);
    return block;
}

}  // namespace

std::string framedHeaderBlock(const HeaderFields& fields)
{
    namespace h = tap::header;
    std::string payload(h::kChecksum - h::kType, '\0');
    auto at = [](std::size_t blockOffset) { return blockOffset - h::kType; };
    payload[at(h::kType)] = static_cast<char>(fields.type);
    const std::string name =
        std::string(fields.name.substr(0, tap::kNameLength)) +
        std::string(tap::kNameLength - std::min(fields.name.size(), tap::kNameLength), ' ');
    payload.replace(at(h::kName), tap::kNameLength, name);
    putWord(payload, at(h::kDataLength), fields.dataLength);
    putWord(payload, at(h::kParameter1), fields.parameter1);
    putWord(payload, at(h::kParameter2), fields.parameter2);
    return framedBlock(tap::kHeaderFlag, payload);
}

std::string framedDataBlock(std::string_view data)
{
    return framedBlock(tap::kDataFlag, data);
}

}  // namespace murax
