// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>

namespace murax {

// The calendar time of `seconds` in the local time zone, as the system's thread-safe call gives it.
std::tm localCalendarTime(std::time_t seconds);

}  // namespace murax
