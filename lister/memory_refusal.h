// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax::lister {

// Says on standard error that the command could not be done for want of memory, naming the tape
// when there is one, after what was listed so far; returns the exit status, 1. The program ends
// with this message rather than dies.
int refuseForWantOfMemory(const std::string* tape);

}  // namespace murax::lister
