// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "tape/format/header_fields.h"

namespace murax {

// The most data bytes one block holds: its length field counts the flag and checksum as well.
inline constexpr std::size_t kLongestBlockData = 0xFFFF - 2;

// A header block and a data block, each with its length field, flag and checksum; together one
// entry. The header's name is padded with spaces to ten bytes; its flag is always the header's.
// The data must be at most kLongestBlockData bytes.
std::string framedHeaderBlock(const HeaderFields& fields);
std::string framedDataBlock(std::string_view data);

}  // namespace murax
