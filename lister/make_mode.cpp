// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// --make: a TAP file holding the one entry made of a file (a BASIC listing, a screen, code).

#include "lister/entry_commands.h"
#include "lister/modes.h"
#include "lister/tape_input.h"
#include "tape/make/entry_from_file.h"
#include "tape/make/tape_name.h"

namespace murax::lister {

// The file read is never written: an output that names it in any way is refused before anything
// is written, as is a file that makes no entry.
int runMode(const MakeTape& mode)
{
    auto opened = openTapeForOutput(mode.file, mode.output,
                                    "the tape must go to another file than the one it is made "
                                    "from (-o " +
                                        mode.output + ")");
    if (!opened)
        return 1;
    std::string contents;
    if (!opened->readAll(contents)) {
        reportUnreadable(mode.file, opened->error());
        return 1;
    }
    FileEntryChoices choices;
    choices.name = mode.name.value_or(tapeNameForFile(mode.file));
    choices.start = mode.start.value_or(kDefaultCodeStart);
    choices.autostart = mode.autostart;
    const FileEntry made = entryFromFile(mode.file, contents, choices);
    if (!made.refusal.empty()) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s; nothing was written\n", kProgram, made.refusal.c_str());
        return 1;
    }
    const ActionOutcome written = writeOutputFile(mode.output, {made.bytes}, stdout);
    if (written.status != 0)
        reportProblem(mode.file, written.reason);
    return written.status;
}

}  // namespace murax::lister
