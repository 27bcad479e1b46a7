// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace murax {

// Where a tape's bytes come from when they are examined piece by piece: a file read as it is
// needed (murax-list) or bytes already in memory (an entry of the open tape). Positions asked for
// never go backwards, so a pipe can be read too.
class TapeSource {
public:
    virtual ~TapeSource() = default;
    // Up to `count` bytes from `position` on; fewer only where the tape ends (or a read failed,
    // which the source itself records). Valid until the next call.
    virtual std::string_view bytesAt(std::uint64_t position, std::size_t count) = 0;
};

// Bytes in memory as a source.
class MemoryTapeSource final : public TapeSource {
public:
    explicit MemoryTapeSource(std::string_view bytes) : bytes_(bytes) {}
    std::string_view bytesAt(std::uint64_t position, std::size_t count) override
    {
        if (position >= bytes_.size())
            return {};
        return bytes_.substr(static_cast<std::size_t>(position), count);
    }

private:
    std::string_view bytes_;
};

}  // namespace murax
