// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// --to-tap: the TAP file that a TZX tape or a sound recording converts to.

#include "lister/entry_commands.h"
#include "lister/modes.h"
#include "lister/recording_listing.h"
#include "lister/tape_input.h"
#include "lister/tzx_listing.h"

namespace murax::lister {
namespace {

// A recording's blocks as a TAP file, those that failed their checksum or broke off among them as
// they were read (a nearly right block is what a person repairs), each such block named.
int convertRecording(const ConvertToTap& mode, FileTapeSource& source, NativeFile& input)
{
    const auto recording = readRecordingFile(mode.file, source, input, "; nothing was written");
    if (!recording)
        return 1;
    const std::string tap = tapOfRecording(*recording);
    const ActionOutcome written = writeOutputFile(
        mode.output, ByteParts([&tap](const ByteParts::Sink& sink) { return sink(tap); }), stdout);
    if (written.status != 0) {
        reportProblem(mode.file, written.reason);
        return written.status;
    }
    return reportImperfectBlocks(mode.file, *recording) ? 1 : 0;
}

}  // namespace

// The input is never written: an output that names it in any way is refused before anything is
// written.
int runMode(const ConvertToTap& mode)
{
    const std::string& file = mode.file;
    auto opened = openTapeForOutput(
        file, mode.output,
        "the TAP file must go to another file than the tape itself (-o " + mode.output + ")");
    if (!opened)
        return 1;
    NativeFile& input = *opened;
    FileTapeSource source(input);
    if (isRecording(source))
        return convertRecording(mode, source, input);
    if (!isTzxTape(source)) {
        if (source.failed())
            reportUnreadable(file, input.error());
        else
            reportProblem(file,
                          "not a TZX tape or a WAV recording: it begins with neither's "
                          "signature");
        return 1;
    }
    auto tape = readWellFormedTzxFile(file, source, input, "; nothing was written");
    if (!tape)
        return 1;
    const ActionOutcome written = writeOutputFile(mode.output, tapFileOf(*tape), stdout);
    if (tape->failed()) {
        reportUnreadable(file, input.error());
        return 1;
    }
    if (written.status != 0) {
        reportProblem(file, written.reason);
        return written.status;
    }
    return reportLeftOutBlocks(file, *tape) ? 1 : 0;
}

}  // namespace murax::lister
