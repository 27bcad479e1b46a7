// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>

#include "lister/file_tape_source.h"
#include "tape/tzx/tzx_reader.h"

namespace murax::lister {

// Whether the tape begins with the TZX signature.
bool isTzxTape(TapeSource& source);

// The tape's bytes from its start to its end: a TZX tape is read whole, as its blocks say nothing
// of where the data blocks lie until every block before them has been read.
std::string readWholeTape(FileTapeSource& source);

// Writes a TZX tape's blocks: a line with its version and counts, then one line per block with
// its number (from 1), offset, ID, kind and fate: "entry N" (the entry of the converted tape it
// goes into), "passed over" or "not converted", the last two with the reason where there is one.
// `tapBytes` are the tape's converted bytes, tzx::tapBytes(tape).
void writeTzxBlocks(const tzx::Tape& tape, const std::string& tapBytes, std::FILE* out);

}  // namespace murax::lister
