// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window_services.h"
#include "tape/model/block_list.h"

namespace murax {

// The block properties command: renames the header entry at the current position through the
// "Edit properties" dialog, recomputing the header's checksum.
void MODIFICA(Window& window, BlockList& list);  // rename a header

}  // namespace murax
