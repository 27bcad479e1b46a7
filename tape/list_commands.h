// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window_services.h"
#include "tape/block_list.h"

namespace murax {

void AGGIUNGI(Window& window, BlockList& list, bool insert);  // Add (false) and Insert (true)
void ELIMINA(Window& window, BlockList& list);                // Delete the selected entries
void SPOSTASU(Window& window, BlockList& list);               // Move the current entry up
void SPOSTAGIU(Window& window, BlockList& list);              // Move the current entry down

}  // namespace murax
