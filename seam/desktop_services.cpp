// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/desktop_services.h"

#include "support/platform/memory_headroom.h"

namespace murax {

std::uint64_t Desktop::memoryHeadroom()
{
    return murax::memoryHeadroom();
}

}  // namespace murax
