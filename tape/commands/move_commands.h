// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

void SPOSTASU(Window& window, BlockList& list);   // Move the current entry up one place
void SPOSTAGIU(Window& window, BlockList& list);  // Move the current entry down one place

}  // namespace murax
