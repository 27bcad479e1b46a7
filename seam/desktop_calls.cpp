// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/desktop_calls.h"

#include "seam/desktop_services.h"

namespace murax {

void SYSREFRESH()
{
    desktop().processPendingEvents();
}

}  // namespace murax
