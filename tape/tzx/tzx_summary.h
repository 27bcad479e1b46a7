// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "tape/format/tape_source.h"
#include "tape/tzx/tzx_reader.h"

namespace murax::tzx {

// What a walk over a TZX tape's blocks found, without keeping any block: the pass that tells
// whether a tape can be taken in at all before anything is made of it.
struct Summary {
    unsigned major = 0;
    unsigned minor = 0;
    std::size_t blocks = 0;              // up to the fault, when there is one
    std::array<std::size_t, 3> fates{};  // how many blocks met each Fate, by its value
    std::uint64_t tapSize = 0;           // the bytes of the TAP file that the tape converts to
    std::optional<Malformed> malformed;

    std::size_t countOf(Fate fate) const { return fates[static_cast<std::size_t>(fate)]; }
};

// Each block as the walk passes it, with its number (from 1).
using BlockSeen = std::function<void(std::size_t number, const Block& block)>;

// Walks the blocks of the tape of `size` bytes that `source` gives, reading their headers only.
Summary summarise(TapeSource& source, std::uint64_t size, const BlockSeen& seen = {});

}  // namespace murax::tzx
