// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include "seam/window.h"
#include "tape/model/block_list.h"
#include "tape/model/entry_intake.h"

namespace murax {

// Puts the intake's entries into the list before index `at` (at most its count) as one undo
// step, reloads the rows and selects row `select`, or the new entries when it is 0; then repaints
// the window and refreshes its status text. Returns false when the list refused them (an entry
// cut short that would not stand last, too little memory): the user has been told, and the list,
// its rows and its history are as they were.
bool insertEntries(Window& window, BlockList& list, const EntryIntake& intake, std::size_t at,
                   int select);

}  // namespace murax
