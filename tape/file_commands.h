// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "support/window_services.h"
#include "tape/block_list.h"

namespace murax {

// A chosen or given name made ready for use: ".tap" appended when its last path component has no
// extension (no "." or nothing after the last "."), then made absolute with FULLNAME.
std::string completeName(const std::string& name);

// The start-up load: the first command-line argument (absent, empty or blank: the open dialog),
// completed, checked and loaded into `list`; sets currentFile. False when the program is to end
// without opening its window (dialog cancelled, file not found, file unreadable).
bool startupLoad(const std::string* argument, BlockList& list);

void APRI(Window& window, BlockList& list);                 // Open
void SALVA(Window* window, BlockList& list, bool saveAs);  // Save (false) and Save As (true)
bool CAMBIATO(const BlockList& list);                       // differs from the file on disk?
void exitQuestion(BlockList& list);                         // after the window has closed
std::string BLKINFO(const BlockList& list);                 // the status bar's text

}  // namespace murax
