// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/model/block_list.h"
#include "tape/model/entry_intake.h"

namespace murax {

// Add (false: at the end) and Insert (true: at the current row) another tape's entries
void AGGIUNGI(Window& window, BlockList& list, bool insert);  // Add, Insert

// Puts the intake's entries where Add (`insert` false: after the last row) or Insert (before the
// current row, the first when there is none) puts them, in one undo step, and selects what they
// select: the row that was current after Add, the first new entry after Insert. False when the
// list refused them (the user has been told; nothing changed).
bool addOrInsertEntries(Window& window, BlockList& list, const EntryIntake& intake, bool insert);

}  // namespace murax
