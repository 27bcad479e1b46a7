// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/recording_tap.h"

#include <algorithm>
#include <cstdint>

namespace murax {
namespace {

// A standard header: flag byte 0, type, name, data length, two parameters, checksum.
constexpr std::size_t kHeaderBytes = 19;
constexpr std::size_t kDataLengthAt = 12;
constexpr std::size_t kLongestBlock = 0xFFFF;

bool isWholeHeader(const RecordedBlock& block)
{
    return block.verdict != RecordedBlock::Verdict::BrokeOff &&
           block.bytes.size() == kHeaderBytes && block.bytes[0] == 0;
}

// The length a block that broke off was meant to have, where the tape tells it.
std::size_t meantLength(const std::vector<RecordedBlock>& blocks, std::size_t index)
{
    const RecordedBlock& block = blocks[index];
    if (!block.bytes.empty() && block.bytes[0] == 0 &&
        block.speed == RecordedBlock::Speed::Standard)
        return kHeaderBytes;
    if (index > 0 && isWholeHeader(blocks[index - 1])) {
        const std::string& header = blocks[index - 1].bytes;
        const auto low = static_cast<std::uint8_t>(header[kDataLengthAt]);
        const auto high = static_cast<std::uint8_t>(header[kDataLengthAt + 1]);
        // The flag byte and the checksum around the data.
        return std::min<std::size_t>(low + 256u * high + 2, kLongestBlock);
    }
    return block.bytes.size();
}

}  // namespace

std::string tapOfRecordedBlocks(const std::vector<RecordedBlock>& blocks)
{
    std::string tap;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const RecordedBlock& block = blocks[i];
        std::size_t length = block.bytes.size();
        if (i + 1 == blocks.size() && block.verdict == RecordedBlock::Verdict::BrokeOff)
            length = std::max(length, meantLength(blocks, i));
        tap += static_cast<char>(length & 0xFF);
        tap += static_cast<char>(length >> 8 & 0xFF);
        tap += block.bytes;
    }
    return tap;
}

}  // namespace murax
