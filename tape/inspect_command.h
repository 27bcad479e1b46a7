// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window_services.h"
#include "tape/block_list.h"

namespace murax {

// Inspect (F3): opens the inspector on the current entry; nothing without a current row.
void inspectCommand(Window& window, BlockList& list);

}  // namespace murax
