// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

// F3, "Inspect": opens the viewer on the current entry; nothing without a current row.
void viewEntryCommand(Window& window, BlockList& list);

}  // namespace murax
