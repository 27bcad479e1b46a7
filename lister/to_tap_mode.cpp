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
    int status = 0;
    for (std::size_t i = 0; i < tape->blocks.size(); ++i) {
        const tzx::Block& block = tape->blocks[i];
        if (block.fate != tzx::Fate::NotConverted)
            continue;
        reportProblem(file, tzx::blockPlace(i + 1, block.id, block.offset) +
                                " was left out: " + block.reason);
        status = 1;
    }
    return status;
}

}  // namespace murax::lister
