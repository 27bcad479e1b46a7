// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace murax {

// The text of a header's type byte, given as a one-byte string (empty when the byte is missing).
std::string TIPO(std::string_view typeByte);  // "Program", "Bytes"...

// The display line of the entry that begins at d[0]; d may run on past the entry. A byte that
// lies past the end of d counts as 0. 52 bytes for a complete entry; the name bytes stay as they
// are.
std::string BLKLINE(std::string_view d);  // an entry's list line

}  // namespace murax
