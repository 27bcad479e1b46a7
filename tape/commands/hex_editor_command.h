// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

// Hands the current entry's bytes to the hex editor named in MURAX.INI and takes them back.
void MODHEX(Window& window, BlockList& list);  // hex editor hand-off

}  // namespace murax
