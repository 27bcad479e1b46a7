// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string_view>

namespace murax::lister {

// --disassemble: writes the entry's data (without flag and checksum) to `out` as Z80 assembler
// source that pasmo assembles back to exactly those bytes, from an ORG at the address a bytes
// header gives (0 for any other entry).
void writeDisassembly(std::string_view entry, std::FILE* out);

}  // namespace murax::lister
