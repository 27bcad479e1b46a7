// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "seam/window.h"
#include "tape/inspect/export_form.h"
#include "tape/model/block_list.h"

namespace murax {

// The form a target file name asks for: a name ending in ".txt" the listing of a program, one
// ending in ".png" the picture of a screen, one ending in ".asm" the disassembly of a bytes entry
// or a data block without a header, and every other name (or a form the entry does not have) the
// data bytes.
ExportForm exportFormFor(std::string_view entry, std::string_view fileName);

// The save dialog's title: what the entry can be saved as, and how to ask for it.
std::string exportDialogTitle(std::string_view entry);

// The save dialog's name filters: the data bytes under any name first, then the forms the entry
// also has.
std::vector<std::string> exportDialogFilters(std::string_view entry);

// Export...: saves the current entry, in the form its file name asks for, through the save
// dialog and the replacing write. An existing file is replaced only once the user agrees; a
// failed write is reported as every write is.
void exportCommand(Window& window, BlockList& list);

}  // namespace murax
