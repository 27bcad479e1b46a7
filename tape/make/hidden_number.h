// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

namespace murax {

// A number's five hidden bytes as a program line stores them after its text: whole numbers from
// -65535 to 65535 in the integer form (0, sign byte, the value as a little-endian word in two's
// complement, 0), the others in the floating form (exponent + 128, then a 32-bit mantissa whose top
// bit, always set, holds the sign), the mantissa rounded half up. Nothing for a number that the
// floating form cannot hold, too large or too small (other than 0).
std::optional<std::array<unsigned char, 5>> spectrumNumberBytes(double value);

}  // namespace murax
