// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

// The block properties command: edits the header entry at the current position through the
// "Edit properties" dialog (its name, type and the fields its type has), recomputing the
// header's checksum, in one undo step.
void MODIFICA(Window& window, BlockList& list);  // edit a header

}  // namespace murax
