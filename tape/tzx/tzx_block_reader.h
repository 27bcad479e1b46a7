// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "tape/format/tape_source.h"
#include "tape/tzx/tzx_reader.h"

namespace murax::tzx {

// Walks a TZX tape's blocks in file order, reading of each only what tells its length and its
// fate: the ID, the fixed part after it and, for a generalised data block, its symbol table. The
// bytes of the data blocks are never read here: each Entry block says where they lie, for a later
// reader to take them. A tape of any size is walked in the memory of one block's fixed part.
class BlockReader {
public:
    // Reads the file header of the `size` bytes that `source` gives; a fault there is malformed()
    // at once, and no block follows.
    BlockReader(TapeSource& source, std::uint64_t size);

    unsigned major() const { return major_; }
    unsigned minor() const { return minor_; }

    // The next block, its tapBlock left empty; false at the end of the tape or at a fault, which
    // malformed() then names.
    bool next(Block& block);
    const std::optional<Malformed>& malformed() const { return malformed_; }
    // How many blocks next() has given.
    std::size_t count() const { return count_; }

private:
    void fault(std::uint64_t offset, std::string what);

    TapeSource& source_;
    std::uint64_t size_;
    std::uint64_t at_ = kHeaderSize;
    unsigned major_ = 0;
    unsigned minor_ = 0;
    std::size_t count_ = 0;
    std::optional<Malformed> malformed_;
};

}  // namespace murax::tzx
