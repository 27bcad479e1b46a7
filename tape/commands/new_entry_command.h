// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

// The open dialog's filters: any file, the first, since any file makes code.
inline const std::vector<std::string> kNewEntryFileFilters{
    "All files (*)", "BASIC listings (*.bas *.txt)", "Screens (*.scr)"};

// "New entry from file...": one header and data entry made of a file chosen (a BASIC listing, a
// screen, code, by the file's name), with the name and the field its kind asks for from the
// "New entry from file" dialog, put where Add or Insert would put it as the dialog's button says,
// in one undo step. A file that makes no entry (unreadable, empty, not what its name says, too
// long for its start) is refused with a message naming it, and nothing changes.
void newEntryFromFile(Window& window, BlockList& list);

}  // namespace murax
