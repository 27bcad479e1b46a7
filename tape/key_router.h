// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window_services.h"
#include "tape/block_list.h"

namespace murax {

// Windows virtual-key codes of the keys the block list box routes.
namespace vk {
inline constexpr int Return = 13, Control = 17, Up = 38, Down = 40, Delete = 46, F2 = 113,
                     F9 = 120, F11 = 122;
}

// The key handler of the block list box: runs the command of the key (through the command
// dispatch point) and returns whether the key is consumed. Only Ctrl+Up and Ctrl+Down are.
bool TASTI(Window& window, int virtualKey, BlockList& list);

// Run: hands currentFile on disk to the program the desktop associates with it.
void RUN();

}  // namespace murax
