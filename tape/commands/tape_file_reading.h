// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "seam/desktop_services.h"
#include "seam/window.h"
#include "tape/model/entry_intake.h"

namespace murax {

class AppContext;

// The name filters of the open dialogs: Open takes TAP files; Add and Insert take TZX tapes and
// WAV recordings too.
inline const std::vector<std::string> kTapFileFilters{kTapeFilesFilter};
inline const std::vector<std::string> kAddFileFilters{kTapeFilesFilter, "TZX files (*.tzx)",
                                                      "WAV recordings (*.wav)"};

// What a command that converts other files (Add, Insert, a drop) gathers as it reads them.
struct FileConversion {
    explicit FileConversion(Window& over) : window(over) {}
    Window& window;                    // where the reading of a long recording shows its progress
    std::vector<std::string> notices;  // what became of each file converted, for one message
    bool cancelled = false;            // the user stopped a reading: the command does nothing
};

// Reads the named file into `intake` (too little memory to read it throws NotEnoughMemory; a file
// that cannot be read, also when a read fails partway, is raised through the runtime-error
// handler and nothing of it is taken in). A TAP file goes in as its bytes. With `conversion`
// given, a TZX tape and a WAV recording, each told by its signature whatever its name, go in as
// the TAP bytes their data blocks become, with what became of their blocks added to its notices;
// a recording is streamed from the file, held a piece at a time whatever its length. A malformed
// one is reported and taken in not at all, so that no tape comes in half, and a reading
// cancelled takes in nothing. Without `conversion` (Open and the start-up load, which never
// convert) either is refused with a message saying how its blocks come into a TAP file. False
// when the file was not taken in.
bool takeTapeFile(AppContext& app, EntryIntake& intake, const std::string& name,
                  FileConversion* conversion);

// Shows the notices of the files converted by one command in one message; nothing when there
// are none.
void showConversionNotices(AppContext& app, const FileConversion& conversion);

}  // namespace murax
