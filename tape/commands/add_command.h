// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

// Add (false: at the end) and Insert (true: at the current row) another tape's entries
void AGGIUNGI(Window& window, BlockList& list, bool insert);  // Add, Insert

}  // namespace murax
