// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "seam/desktop_services.h"
#include "tape/model/block_list.h"

namespace murax {

// The name filters of the open dialogs: Open takes TAP files; Add and Insert take TZX files too.
inline const std::vector<std::string> kTapFileFilters{kTapeFilesFilter};
inline const std::vector<std::string> kAddFileFilters{kTapeFilesFilter, "TZX files (*.tzx)"};

// The start-up load and Open: the named file's bytes split into entries in `list`. A file with
// the TZX signature is not converted: the user is told that it is a TZX tape and how its blocks
// come into a TAP file, the result is false and `list` is untouched. A file that cannot be read
// is raised through the runtime-error handler.
bool readTapToOpen(const std::string& name, BlockList& list);

// A tape file as Add, Insert and a drop take it in.
struct TapeToAdd {
    BlockList entries;
    // For a TZX file, what became of its blocks, to be shown once its entries are in; else empty.
    std::string notice;
};

// A TAP file as Open reads it; a TZX file (told by its signature, whatever its name) converted,
// its data blocks becoming entries. A malformed TZX file is reported to the user and gives
// nothing, so that no tape is ever taken in half. A file that cannot be read is raised through the
// runtime-error handler.
std::optional<TapeToAdd> readTapeToAdd(const std::string& name);

// Shows the notices of the TZX files taken in by one command in one message; nothing when there
// are none.
void showTzxNotices(const std::vector<std::string>& notices);

}  // namespace murax
