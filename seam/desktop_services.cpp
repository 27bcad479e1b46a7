// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/desktop_services.h"

#include "seam/app_context.h"

namespace murax {

Desktop& desktop()
{
    return appContext().desktop();
}

}  // namespace murax
