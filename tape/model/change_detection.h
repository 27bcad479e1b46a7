// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tape/model/block_list.h"

namespace murax {

bool CAMBIATO(const BlockList& list);  // does the list differ from its file on disk?

}  // namespace murax
