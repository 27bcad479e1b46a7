// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// A byte as the messages about blocks name it: "0x" and two upper-case hex digits, of the low
// eight bits of `value`.
std::string hexByte(unsigned value);

}  // namespace murax
