// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tzx/tzx_tap_stream.h"

#include <algorithm>

namespace murax::tzx {
namespace {

// The most bytes one call gives, as a file source does: a piece of a block, never a whole tape.
constexpr std::size_t kLargestPiece = 1 << 16;

Malformed endedAt(std::uint64_t offset)
{
    return {offset, "the file ended at offset " + std::to_string(offset) + " while it was read"};
}

}  // namespace

TapStream::TapStream(TapeSource& tzx, std::uint64_t size) : tzx_(tzx), reader_(tzx, size) {}

const std::optional<Malformed>& TapStream::malformed() const
{
    return ended_ ? ended_ : reader_.malformed();
}

bool TapStream::nextEntryBlock()
{
    while (reader_.next(block_)) {
        if (block_.fate != Fate::Entry)
            continue;
        blockStart_ = blockEnd_;
        blockEnd_ = blockStart_ + 2 + block_.dataSize;
        return true;
    }
    return false;
}

std::string_view TapStream::bytesAt(std::uint64_t position, std::size_t count)
{
    count = std::min(count, kLargestPiece);
    if (position < heldStart_)
        return {};  // read forwards only
    if (position >= heldStart_ + held_.size())
        held_.clear();
    else
        held_.erase(0, static_cast<std::size_t>(position - heldStart_));
    heldStart_ = position;
    while (held_.size() < count && !ended_) {
        const std::uint64_t next = heldStart_ + held_.size();
        bool found = true;
        while (next >= blockEnd_ && (found = nextEntryBlock())) {
        }
        if (!found)
            break;
        const std::uint64_t within = next - blockStart_;
        if (within < 2) {
            held_ += static_cast<char>(within == 0 ? block_.dataSize & 0xFF : block_.dataSize >> 8);
            continue;
        }
        const std::uint64_t at = block_.dataOffset + within - 2;
        const std::string_view piece =
            tzx_.bytesAt(at, static_cast<std::size_t>(
                                 std::min<std::uint64_t>(count - held_.size(), blockEnd_ - next)));
        if (piece.empty())
            ended_ = endedAt(at);
        held_ += piece;
    }
    return std::string_view(held_).substr(0, count);
}

bool writeTapBytes(TapeSource& tzx, std::uint64_t size,
                   const std::function<bool(std::string_view piece)>& sink,
                   std::optional<Malformed>& fault)
{
    BlockReader reader(tzx, size);
    Block block;
    while (reader.next(block)) {
        if (block.fate != Fate::Entry)
            continue;
        const char length[2] = {static_cast<char>(block.dataSize & 0xFF),
                                static_cast<char>(block.dataSize >> 8)};
        if (!sink(std::string_view(length, 2)))
            return false;
        for (std::size_t done = 0; done < block.dataSize;) {
            const std::string_view piece = tzx.bytesAt(
                block.dataOffset + done, std::min(kLargestPiece, block.dataSize - done));
            if (piece.empty()) {
                fault = endedAt(block.dataOffset + done);
                return false;
            }
            if (!sink(piece))
                return false;
            done += piece.size();
        }
    }
    fault = reader.malformed();
    return !fault;
}

}  // namespace murax::tzx
