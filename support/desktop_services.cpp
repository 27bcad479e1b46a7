// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/desktop_services.h"

#include "support/app_context.h"
#include "support/memory_headroom.h"

namespace murax {

std::uint64_t Desktop::memoryHeadroom()
{
    return murax::memoryHeadroom();
}

Desktop& desktop()
{
    return appContext().desktop();
}

}  // namespace murax
