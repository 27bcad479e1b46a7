// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

// The clipboard's type for entries: their exact bytes joined in list order, a TAP file's bytes.
inline constexpr const char* kTapeMimeType = "application/x-spectrum-tap";

// Copy (Ctrl+C): puts the selected entries on the clipboard. Nothing selected: nothing happens.
void COPIA(Window& window, BlockList& list);
// Cut (Ctrl+X): copies the selected entries and removes them as Delete does, without asking.
void TAGLIA(Window& window, BlockList& list);
// Paste (Ctrl+V): inserts the clipboard's entries before the current row (after the last when
// there is none) and selects them. A clipboard without entries changes nothing.
void INCOLLA(Window& window, BlockList& list);

}  // namespace murax
