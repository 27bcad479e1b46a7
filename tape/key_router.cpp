// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/key_router.h"

#include "support/command_dispatch.h"
#include "support/desktop_calls.h"
#include "support/desktop_services.h"
#include "tape/file_commands.h"
#include "tape/list_commands.h"
#include "tape/rename_command.h"

namespace murax {

bool TASTI(Window& window, int virtualKey, BlockList& list)
{
    switch (virtualKey) {
    case vk::Return:
        dispatchCommand([&] { MODIFICA(window, list); });
        return false;
    case vk::Delete:
        dispatchCommand([&] { ELIMINA(window, list); });
        return false;
    case vk::Up:
        // The live key state, not the one recorded with the event.
        if (!GETASYNCKEYSTATE(vk::Control))
            return false;
        dispatchCommand([&] { SPOSTASU(window, list); });
        return true;
    case vk::Down:
        if (!GETASYNCKEYSTATE(vk::Control))
            return false;
        dispatchCommand([&] { SPOSTAGIU(window, list); });
        return true;
    case vk::F2:
        dispatchCommand([&] { APRI(window, list); });
        return false;
    case vk::F9:
        dispatchCommand([&] { SALVA(&window, list, false); });
        return false;
    case vk::F11:
        dispatchCommand([] { RUN(); });
        return false;
    default:
        return false;
    }
}

void RUN()
{
    desktop().openWithDefaultProgram(currentFile);
}

}  // namespace murax
