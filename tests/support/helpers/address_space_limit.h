// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include "tests/support/helpers/child_part.h"

namespace murax::testing {

// AddressSanitizer maps terabytes of address space for its shadow memory at start, so a limit on
// the address space cannot be set under it.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSpaceLimitsWork = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSpaceLimitsWork = false;
#else
inline constexpr bool kAddressSpaceLimitsWork = true;
#endif
#else
inline constexpr bool kAddressSpaceLimitsWork = true;
#endif
inline constexpr const char* kNoAddressSpaceLimit =
    "AddressSanitizer reserves terabytes of address space for its shadow memory, so no limit "
    "on the address space can be set under it";

// The address space the process uses now, from /proc; 0 when it cannot be read.
inline std::uint64_t addressSpaceInUse()
{
    std::FILE* in = std::fopen("/proc/self/statm", "r");
    if (!in)
        return 0;
    unsigned long long pages = 0;
    const bool read = std::fscanf(in, "%llu", &pages) == 1;
    std::fclose(in);
    return read ? pages * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE)) : 0;
}

// Runs `body` in a child process whose address space may grow by no more than `room` bytes
// from what it uses when the body starts. Returns the body's report (by convention "" when all
// was as expected, else what was not), or what became of a child that did not report.
inline std::string runWithAddressSpaceLimit(std::uint64_t room,
                                            const std::function<std::string()>& body)
{
    const auto outcome = runChildPart([&]() -> std::string {
        const rlimit limit{addressSpaceInUse() + room, RLIM_INFINITY};
        if (addressSpaceInUse() == 0 || ::setrlimit(RLIMIT_AS, &limit) != 0)
            return "the address space could not be limited";
        return body();
    });
    if (!outcome)
        return "no child could be started";
    if (outcome->died)
        return "the child under the limit died (signal " + std::to_string(outcome->signal) + ")";
    return outcome->report;
}

}  // namespace murax::testing
