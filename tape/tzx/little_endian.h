// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace murax::tzx {

// The unsigned number of `width` bytes (1 to 4) at `at`, low byte first. The caller has made sure
// that the bytes are there: a TZX field that is cut short is a fault, never a 0.
inline std::uint64_t littleEndian(std::string_view bytes, std::size_t at, std::size_t width)
{
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace murax::tzx
