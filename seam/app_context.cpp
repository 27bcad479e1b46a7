// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/app_context.h"

#include <cassert>

#include "support/platform/temp_names.h"

namespace murax {
namespace {
AppContext* inForce = nullptr;
}

AppContext::AppContext(Desktop& desktop) : desktop_(desktop), previous_(inForce)
{
    inForce = this;
}

AppContext::~AppContext()
{
    assert(inForce == this && "contexts end in the reverse order of their start");
    inForce = previous_;
}

std::string AppContext::newTemporaryName() const
{
    return ACS_TEMP + GETNEWFNAME();
}

AppContext& appContext()
{
    assert(inForce && "no application context in force");
    return *inForce;
}

}  // namespace murax
