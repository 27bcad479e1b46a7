// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "seam/window.h"
#include "tape/model/block_list.h"

namespace murax {

// The list's drag and drop. `beforePosition` is the row the drop lands before (from 1); one past
// the last row, or more, is below the last row.

// Rows dragged from the list itself: the selected entries move, in their order, as one run to the
// place before `beforePosition`; afterwards they are the selected rows and the first is current.
void TRASCINA(Window& window, BlockList& list, int beforePosition);

// Files dropped on the list: each is read as Add reads its file (a missing file is reported as
// Add reports it; an unreadable one by the error handler, and adds nothing), and the entries of
// all of them, in the order of the files, go in as one run before `beforePosition` and are
// selected afterwards.
void RILASCIA(Window& window, BlockList& list, const std::vector<std::string>& files,
              int beforePosition);

}  // namespace murax
