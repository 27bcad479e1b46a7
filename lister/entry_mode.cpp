// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One entry shown or written out: --basic, --hex, --extract and --screen.

#include <cstdio>

#include "lister/entry_commands.h"
#include "lister/modes.h"
#include "lister/recording_listing.h"
#include "lister/tape_input.h"
#include "lister/tape_listing.h"
#include "lister/tzx_listing.h"
#include "tape/tzx/tzx_tap_stream.h"

namespace murax::lister {

namespace {

// Shows or writes the entry of `tape` (the file's own bytes, or those a TZX tape converts to).
int writeEntryOf(const WriteEntry& mode, TapeSource& tape, FileTapeSource& source,
                 NativeFile& input)
{
    const std::string where = mode.file + ": entry " + mode.entryText + ": ";
    std::size_t count = 0;
    const auto entry = readEntry(tape, mode.entry, count);
    if (source.failed()) {
        reportUnreadable(mode.file, input.error());
        return 1;
    }
    if (!entry) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %sno such entry (the tape has %s)\n", kProgram, where.c_str(),
                     std::to_string(count).c_str());
        return 1;
    }
    const ActionOutcome outcome = writeEntryForm(mode.form, *entry, mode.output, stdout);
    if (outcome.status != 0) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s%s\n", kProgram, where.c_str(), outcome.reason.c_str());
    }
    return outcome.status;
}

}  // namespace

int runMode(const WriteEntry& mode)
{
    const std::string& file = mode.file;
    // The text forms are printed: standard output must not be the tape either.
    const std::string output =
        writesOutputFile(mode.form) ? mode.output : std::string(kStandardOutput);
    auto opened = openTapeForOutput(file, output,
                                    "entry " + mode.entryText + ": cannot write " +
                                        outputName(output) + ": it is the tape being read");
    if (!opened)
        return 1;
    NativeFile& input = *opened;
    FileTapeSource source(input);
    if (isRecording(source)) {
        // A recording's entries are those its blocks make, each block as it was read.
        const auto recording = readRecordingFile(file, source, input, "");
        if (!recording)
            return 1;
        const std::string tap = tapOfRecording(*recording);
        MemoryTapeSource entries(tap);
        const int status = writeEntryOf(mode, entries, source, input);
        return reportImperfectBlocks(file, *recording) ? 1 : status;
    }
    if (!isTzxTape(source))
        return writeEntryOf(mode, source, source, input);
    // A TZX tape's entries are those it converts to.
    auto tzxTape = readWellFormedTzxFile(file, source, input, "");
    if (!tzxTape)
        return 1;
    tzx::TapStream converted(tzxTape->newPass(), tzxTape->size());
    const int status = writeEntryOf(mode, converted, source, input);
    if (tzxTape->failed()) {
        reportUnreadable(file, input.error());
        return 1;
    }
    return reportLeftOutBlocks(file, *tzxTape) ? 1 : status;
}

}  // namespace murax::lister
