#pragma once

#include <ctime>

namespace murax {

// The calendar time of `seconds` in the local time zone, as the system's thread-safe call gives it.
std::tm localCalendarTime(std::time_t seconds);

}  // namespace murax
