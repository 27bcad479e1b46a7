// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/disassemble_mode.h"

#include <string>

#include "tape/format/entry_bytes.h"
#include "tape/inspect/z80_disassembly.h"

namespace murax::lister {

void writeDisassembly(std::string_view entry, std::FILE* out)
{
    const std::string source = z80Source(entryData(entry), codeAddressOfEntry(entry).value_or(0));
    std::fwrite(source.data(), 1, source.size(), out);
}

}  // namespace murax::lister
