// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// --wav: the sound of the tape's entries, a TZX tape's being those it converts to.

#include "lister/modes.h"
#include "lister/recording_listing.h"
#include "lister/sound_output.h"
#include "lister/tape_input.h"
#include "lister/tzx_listing.h"

namespace murax::lister {

// As with --to-tap, an output that names the tape in any way is refused before anything is
// written.
int runMode(const WriteSound& mode)
{
    const std::string& file = mode.file;
    auto opened = openTapeForOutput(
        file, mode.output,
        "the sound must go to another file than the tape itself (-o " + mode.output + ")");
    if (!opened)
        return 1;
    NativeFile& input = *opened;
    FileTapeSource source(input);
    std::string tap;
    std::optional<Recording> recording;
    if (isRecording(source)) {
        // A recording sounds as the blocks read from it, cleanly.
        recording = readRecordingFile(file, source, input, "; nothing was written");
        if (!recording)
            return 1;
        tap = tapOfRecording(*recording);
    }
    const bool tzx = !recording && isTzxTape(source);
    auto tzxTape =
        tzx ? readWellFormedTzxFile(file, source, input, "; nothing was written") : std::nullopt;
    if (tzx) {
        if (!tzxTape)
            return 1;
        tap = tapBytesOf(*tzxTape);
        if (tzxTape->failed()) {
            reportUnreadable(file, input.error());
            return 1;
        }
    } else if (!recording) {
        tap = readWholeTape(source);
        if (source.failed()) {
            reportUnreadable(file, input.error());
            return 1;
        }
    }
    const ActionOutcome outcome = writeTapeSound(tap, mode.runs, mode.format, mode.output, stdout);
    if (outcome.status != 0)
        reportProblem(file, outcome.reason);
    // The sound was made of the blocks that convert; those it lacks are named.
    if (tzxTape && reportLeftOutBlocks(file, *tzxTape))
        return 1;
    if (recording && reportImperfectBlocks(file, *recording))
        return 1;
    return outcome.status;
}

}  // namespace murax::lister
