// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/key_router.h"

#include "seam/command_dispatch.h"
#include "seam/desktop_services.h"
#include "tape/commands/command_table.h"

namespace murax {

bool TASTI(Window& window, const KeyPress& key, BlockList& list)
{
    const KeyMatch match = commandForKey(key);
    if (match.command == nullptr)
        return false;
    dispatchCommand(window.app(), [&] { match.command->routine(window, list); });
    return match.binding->consumed;
}

void RUN(Window& window, BlockList& list)
{
    window.app().desktop().openWithDefaultProgram(list.currentFile);
}

}  // namespace murax
