// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One entry shown or written out: --basic, --hex, --extract and --screen.

#include <cstdio>

#include "lister/entry_commands.h"
#include "lister/modes.h"
#include "lister/tape_input.h"
#include "lister/tape_listing.h"
#include "lister/tzx_listing.h"

namespace murax::lister {

int runMode(const WriteEntry& mode)
{
    const std::string& file = mode.file;
    const std::string where = file + ": entry " + mode.entryText + ": ";
    auto opened = openTapeForOutput(file, mode.output,
                                    "entry " + mode.entryText + ": cannot write " + mode.output +
                                        ": it is the tape being read");
    if (!opened)
        return 1;
    NativeFile& input = *opened;
    FileTapeSource source(input);
    // A TZX tape's entries are those it converts to.
    std::string converted;
    MemoryTapeSource convertedSource(converted);
    TapeSource* tape = &source;
    if (isTzxTape(source)) {
        const auto tzxTape = readWellFormedTzxFile(file, source, input, "");
        if (!tzxTape)
            return 1;
        converted = tzx::tapBytes(*tzxTape);
        convertedSource = MemoryTapeSource(converted);
        tape = &convertedSource;
    }
    std::size_t count = 0;
    const auto entry = readEntry(*tape, mode.entry, count);
    if (source.failed()) {
        reportUnreadable(file, input.error());
        return 1;
    }
    if (!entry) {
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

}  // namespace murax::lister
