// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/temp_names.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "support/platform/local_time.h"

namespace murax {

LocalTime localTimeNow()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const std::tm local = localCalendarTime(seconds);
    const auto sinceEpoch = duration_cast<milliseconds>(now.time_since_epoch()).count();
    int millisecond = static_cast<int>(sinceEpoch % 1000);
    if (millisecond < 0)
        millisecond += 1000;
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
            local.tm_min,         local.tm_sec,     millisecond};
}

std::string temporaryNameAt(const LocalTime& time)
{
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", time.year % 10000, time.month, time.day);
    // Milliseconds to hundredths, rounded half up: .075 s counts as 8 hundredths.
    const long hundredths = time.hour * 360000L + time.minute * 6000L + time.second * 100L +
                            (time.millisecond + 5) / 10;
    return std::string(1, '\x7F') + date + std::to_string(hundredths);
}

std::string GETNEWFNAME()
{
    const std::string candidate = temporaryNameAt(localTimeNow());
    // Uniqueness rests on the clock alone: hand the name out only once the clock has moved on,
    // so the next call cannot build it again.
    while (temporaryNameAt(localTimeNow()) == candidate)
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    return candidate;
}

}  // namespace murax
