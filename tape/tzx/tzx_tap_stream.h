// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "tape/format/tape_source.h"
#include "tape/tzx/tzx_block_reader.h"

namespace murax::tzx {

// The TAP file that a TZX tape converts to, as a source of bytes made from the tape as they are
// asked for: each Entry block's two length bytes and then its bytes, read from the tape where
// they lie. What is skipped is not read, so the scanner that lists the entries reads of the tape
// the block headers and the entries' first bytes alone. The tape is read forwards, once.
class TapStream final : public TapeSource {
public:
    TapStream(TapeSource& tzx, std::uint64_t size);
    std::string_view bytesAt(std::uint64_t position, std::size_t count) override;

    // A fault met on the way; the bytes given end before it. A tape checked whole before (see
    // summarise) has one only when it changed while it was read.
    const std::optional<Malformed>& malformed() const;

private:
    bool nextEntryBlock();

    TapeSource& tzx_;
    BlockReader reader_;
    Block block_;
    std::uint64_t blockStart_ = 0;  // the TAP positions of block_'s first byte and the next one
    std::uint64_t blockEnd_ = 0;
    std::string held_;  // the bytes from heldStart_ on, as they were made
    std::uint64_t heldStart_ = 0;
    std::optional<Malformed> ended_;
};

// Hands the TAP file's bytes to `sink` piece by piece, as they lie in the tape (a block's two
// length bytes, then its bytes in pieces of up to 64 KiB), reading the tape once. False when the
// sink refused a piece, or when the tape held a fault (`fault` then names it). Each block's TAP
// bytes are fewer than the block's own, after those of the blocks before: written over the tape
// itself in memory, they never reach a byte not yet read.
bool writeTapBytes(TapeSource& tzx, std::uint64_t size,
                   const std::function<bool(std::string_view piece)>& sink,
                   std::optional<Malformed>& fault);

}  // namespace murax::tzx
