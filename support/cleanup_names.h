// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace murax {

// What the clean-ups look for. A temporary file or folder begins with the byte 0x7F; an index
// file is 0x7F + "VIEW" ... ".NTX" (letters in any case).
bool isTemporaryName(std::string_view name);
bool isIndexFileName(std::string_view name);

}  // namespace murax
