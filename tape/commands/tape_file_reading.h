// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "seam/desktop_services.h"
#include "tape/model/entry_intake.h"

namespace murax {

class AppContext;

// The name filters of the open dialogs: Open takes TAP files; Add and Insert take TZX files too.
inline const std::vector<std::string> kTapFileFilters{kTapeFilesFilter};
inline const std::vector<std::string> kAddFileFilters{kTapeFilesFilter, "TZX files (*.tzx)"};

// Reads the named file into `intake` (too little memory to read it throws NotEnoughMemory; a file
// that cannot be read is raised through the runtime-error handler). A TAP file goes in as its
// bytes. A TZX file, told by its signature whatever its name, goes in as the TAP bytes its data
// blocks become when `tzxNotices` is given, with what became of its blocks added there; a
// malformed one is reported and taken in not at all, so that no tape comes in half. Without
// `tzxNotices` (Open and the start-up load, which never convert) a TZX file is refused with a
// message saying how its blocks come into a TAP file. False when the file was not taken in.
bool takeTapeFile(AppContext& app, EntryIntake& intake, const std::string& name,
                  std::vector<std::string>* tzxNotices);

// Shows the notices of the TZX files taken in by one command in one message; nothing when there
// are none.
void showTzxNotices(AppContext& app, const std::vector<std::string>& notices);

}  // namespace murax
