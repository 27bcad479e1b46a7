// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// --to-tap: the TAP file that a TZX tape converts to.

#include "lister/entry_commands.h"
#include "lister/modes.h"
#include "lister/tape_input.h"
#include "lister/tzx_listing.h"

namespace murax::lister {

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
    if (!isTzxTape(source)) {
        if (source.failed())
            reportUnreadable(file, input.error());
        else
            reportProblem(file, "not a TZX tape: it does not begin with the TZX signature");
        return 1;
    }
    const auto tape = readWellFormedTzxFile(file, source, input, "; nothing was written");
    if (!tape)
        return 1;
    const ActionOutcome written = writeOutputFile(mode.output, {tzx::tapBytes(*tape)}, stdout);
    if (written.status != 0) {
        reportProblem(file, written.reason);
        return written.status;
    }
    return reportLeftOutBlocks(file, *tape) ? 1 : 0;
}

}  // namespace murax::lister
