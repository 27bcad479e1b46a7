// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// A byte as the messages about blocks name it: "0x" and two upper-case hex digits, of the low
// eight bits of `value`.
std::string hexByte(unsigned value);

// Adds `digits` upper-case hex digits of `value` (its low 4 * digits bits) to `text`.
void appendHex(std::string& text, unsigned value, int digits);

}  // namespace murax
