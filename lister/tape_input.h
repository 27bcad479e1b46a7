// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "lister/tzx_tape.h"
#include "support/platform/native_file.h"
#include "tape/format/file_tape_source.h"

namespace murax::lister {

// The messages of every mode, on standard error after what was printed so far: a file that
// cannot be read, with the system's words for `error`, and any other problem with a file.
void reportUnreadable(const std::string& file, int error);
void reportProblem(const std::string& file, const std::string& what);

// Opens the tape that a mode reads to write `output`: nothing when it cannot be opened, or when
// the output ("" for none; kStandardOutput for standard output) is the tape itself under any name
// (writing it would replace the tape), each reported, the latter with `refusal`.
std::optional<NativeFile> openTapeForOutput(const std::string& file, const std::string& output,
                                            const std::string& refusal);

// Whether standard output is the tape open as `input`: what is printed would go into the tape.
bool writesIntoTheInput(const NativeFile& input);

// An output as the messages name it: "standard output" for kStandardOutput.
std::string outputName(const std::string& output);

// A TZX tape ready to be walked (one from a pipe read whole); nothing (and the failure reported)
// when the file could not be read or the pipe's tape does not fit in memory.
std::optional<TzxTape> readTzxFile(const std::string& file, FileTapeSource& source,
                                   NativeFile& input);

// The same for a tape whose entries are wanted, its first walk made: a malformed one is reported
// too, with what its fault means for the command (`consequence`, "" or "; nothing was written"),
// and gives nothing.
std::optional<TzxTape> readWellFormedTzxFile(const std::string& file, FileTapeSource& source,
                                             NativeFile& input, const std::string& consequence);

// Names on standard error each block of a TZX tape that was left out of the entries it converts
// to; whether there was one (the mode then exits with status 1, whatever else it did).
bool reportLeftOutBlocks(const std::string& file, TzxTape& tape);

}  // namespace murax::lister
