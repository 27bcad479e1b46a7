// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window_services.h"
#include "tape/block_list.h"

namespace murax {

void ELIMINA(Window& window, BlockList& list);  // Delete the selected entries, after asking

}  // namespace murax
