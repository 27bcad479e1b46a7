// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "tape/model/block_list.h"

namespace murax {

// The entries that Export as sound writes and Play plays: the selected ones (positions from 1,
// ascending) in the list's order, or every entry of the tape when none is selected.
std::vector<std::string_view> entriesToSound(const std::vector<int>& selected,
                                             const BlockList& list);

}  // namespace murax
