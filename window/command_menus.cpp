// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_menus.h"

#include "seam/command_dispatch.h"

namespace murax {
namespace {

// The entries of the commands for which `entryOf` gives a text, in table order.
template <typename EntryOf>
std::vector<MenuEntry> menuOf(EntryOf entryOf)
{
    std::vector<MenuEntry> entries;
    for (const Command& command : commandTable())
        if (const char* text = entryOf(command))
            entries.push_back({text, &command});
    return entries;
}

}  // namespace

std::vector<MenuEntry> toolbarMenuEntries(ToolbarButton button)
{
    return menuOf([button](const Command& command) {
        return command.button == button ? command.menuEntry : nullptr;
    });
}

std::vector<MenuEntry> contextMenuEntries()
{
    return menuOf([](const Command& command) { return command.contextMenuEntry; });
}

void clickToolbarButton(AppContext& app, ToolbarButton button, const MenuChoice& showMenu,
                        const CommandRunner& run)
{
    if (refusedWhileACommandRuns(app))
        return;
    if (!toolbarMenuEntries(button).empty()) {
        if (const Command* chosen = showMenu())
            run(*chosen);
    } else if (const Command* command = directCommandOf(button)) {
        run(*command);
    }
}

}  // namespace murax
