// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace murax {

// What is written out of one entry: by the window's Export (to a file) and by murax-list (to a
// file or to standard output).
enum class ExportForm {
    DataBytes,     // the data block's payload, without flag and checksum
    BasicListing,  // a program's listing, as UTF-8 text
    HexDump,       // the entry's bytes as they are in the file, as UTF-8 text
    ScreenPng,     // a screen's picture, as a PNG file
    Disassembly,   // a bytes entry's or a lone data block's data as Z80 assembler source
};

}  // namespace murax
