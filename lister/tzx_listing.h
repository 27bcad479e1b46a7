// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "lister/tzx_tape.h"
#include "support/byte_parts.h"
#include "tape/format/file_tape_source.h"

namespace murax::lister {

// Whether the tape begins with the TZX signature.
bool isTzxTape(TapeSource& source);

// The tape's bytes from its start to its end.
std::string readWholeTape(FileTapeSource& source);

// Writes a TZX tape's blocks: a line with its version and counts, then one line per block with
// its number (from 1), offset, ID, kind and fate: "entry N" (the entry of the converted tape it
// goes into), "passed over" or "not converted", the last two with the reason where there is one;
// up to the fault of a malformed tape. Then, for a tape that is not malformed, the entries it
// converts to, as writeListing lists them (`check` as there). False when a check failed.
bool writeTzxListing(TzxTape& tape, std::FILE* out, bool check);

// The TAP file the tape converts to, made from the tape each time it is written.
ByteParts tapFileOf(TzxTape& tape);

// The same bytes in memory.
std::string tapBytesOf(TzxTape& tape);

// Hands over each block that was not converted, with its number (from 1).
void forEachBlockLeftOut(TzxTape& tape,
                         const std::function<void(std::size_t number, const tzx::Block&)>& take);

}  // namespace murax::lister
