// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "tape/model/block_list.h"

namespace murax {

std::string BLKINFO(const BlockList& list);  // the status bar's text: entry count and short path

}  // namespace murax
