// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/memory_headroom.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include <sys/resource.h>
#include <unistd.h>

namespace murax {
namespace {

// The values in kB of the named lines of a /proc file ("MemAvailable:   1234 kB"), summed;
// nothing when the file cannot be read or holds none of them.
std::optional<std::uint64_t> kilobytesIn(const char* file, std::initializer_list<const char*> names)
{
    std::FILE* in = std::fopen(file, "re");
    if (!in)
        return std::nullopt;
    std::optional<std::uint64_t> total;
    char line[256];
    while (std::fgets(line, sizeof line, in)) {
        for (const char* name : names) {
            const std::size_t length = std::strlen(name);
            unsigned long long kilobytes = 0;
            if (std::strncmp(line, name, length) == 0 && line[length] == ':' &&
                std::sscanf(line + length + 1, "%llu", &kilobytes) == 1)
                total = total.value_or(0) + kilobytes * 1024;
        }
    }
    std::fclose(in);
    return total;
}

std::uint64_t systemAvailable()
{
    if (const auto available = kilobytesIn("/proc/meminfo", {"MemAvailable", "SwapFree"}))
        return *available;
    const long pages = ::sysconf(_SC_AVPHYS_PAGES), pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0)
        return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
    return UINT64_MAX;
}

// What is left under the limit on `resource` by a process that uses `used` of it (nothing known:
// the whole limit).
std::uint64_t leftUnder(int resource, std::optional<std::uint64_t> used)
{
    rlimit set{};
    if (::getrlimit(resource, &set) != 0 || set.rlim_cur == RLIM_INFINITY)
        return UINT64_MAX;
    const std::uint64_t limit = set.rlim_cur;
    return limit - std::min(limit, used.value_or(0));
}

}  // namespace

std::uint64_t memoryHeadroom()
{
    std::uint64_t headroom = systemAvailable();
    headroom =
        std::min(headroom, leftUnder(RLIMIT_AS, kilobytesIn("/proc/self/status", {"VmSize"})));
    headroom =
        std::min(headroom, leftUnder(RLIMIT_DATA, kilobytesIn("/proc/self/status", {"VmData"})));
    return headroom;
}

}  // namespace murax
