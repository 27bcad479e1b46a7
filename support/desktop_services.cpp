// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/desktop_services.h"

#include <cassert>

namespace murax {
namespace {
Desktop* installedDesktop = nullptr;
}

Desktop& desktop()
{
    assert(installedDesktop && "no desktop installed");
    return *installedDesktop;
}

void setDesktop(Desktop* instance)
{
    installedDesktop = instance;
}

}  // namespace murax
