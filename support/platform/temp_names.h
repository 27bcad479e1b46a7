// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace murax {

// A new temporary file name: the byte 0x7F, the local date as eight digits and the time of day in
// hundredths of a second. Returns only after the clock has moved on, so two calls differ.
std::string GETNEWFNAME();  // a new temporary name

// A local date and time of day, as the clock gives it.
struct LocalTime {
    int year, month, day;
    int hour, minute, second, millisecond;
};

LocalTime localTimeNow();

// The temporary name for that moment: 0x7F, YYYYMMDD, then the hundredths since midnight
// (milliseconds rounded to the nearest hundredth) without leading zeros.
std::string temporaryNameAt(const LocalTime& time);

}  // namespace murax
