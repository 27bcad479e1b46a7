// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/memory_headroom.h"

#include <algorithm>

#include <windows.h>

namespace murax {

std::uint64_t memoryHeadroom()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return UINT64_MAX;
    // What may still be committed (memory and page file together), within the address space
    // the process has left.
    return std::min<std::uint64_t>(status.ullAvailPageFile, status.ullAvailVirtual);
}

}  // namespace murax
