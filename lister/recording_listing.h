// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "support/platform/native_file.h"
#include "tape/format/file_tape_source.h"
#include "tape/sound/recording_reader.h"

namespace murax::lister {

// Whether the file begins as a WAV file does: a sound recording, whatever its name.
bool isRecording(TapeSource& source);

// The recording's blocks, read from the file's start; the refusal of a file that is not a
// recording Murax reads, or a read that failed, reported (nothing then).
std::optional<Recording> readRecordingFile(const std::string& file, FileTapeSource& source,
                                           NativeFile& input, const std::string& consequence);

// The TAP file of the recording's blocks, as Add takes them in: each as it was read, and a last
// block that broke off cut short.
std::string tapOfRecording(const Recording& recording);

// Writes a recording's blocks: a line with its format, length and counts, then one line per
// block with its number (from 1), time, kind, length and checksum verdict, and the signals left
// out; then the entries the blocks make, as writeListing lists them (`check` as there). False
// when a check failed.
bool writeRecordingListing(const Recording& recording, std::FILE* out, bool check);

// Names on standard error each block that failed its checksum or broke off and each signal left
// out; whether there was one (the mode then exits with status 1, whatever else it did).
bool reportImperfectBlocks(const std::string& file, const Recording& recording);

}  // namespace murax::lister
