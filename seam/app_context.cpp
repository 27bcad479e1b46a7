// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/app_context.h"

#include "support/platform/temp_names.h"

namespace murax {

std::string AppContext::newTemporaryName() const
{
    return ACS_TEMP + GETNEWFNAME();
}

}  // namespace murax
