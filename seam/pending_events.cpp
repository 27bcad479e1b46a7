// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/pending_events.h"

#include "seam/app_context.h"
#include "seam/desktop_services.h"

namespace murax {

void SYSREFRESH(AppContext& app)
{
    app.desktop().processPendingEvents();
}

}  // namespace murax
