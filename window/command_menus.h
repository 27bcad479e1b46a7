// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "seam/app_context.h"
#include "tape/commands/command_table.h"

namespace murax {

// One entry of a popup menu: its text (a tab splits the label from a key hint shown at the
// right) and the command it starts.
struct MenuEntry {
    const char* text;
    const Command* command;
};

// The popup menu of a toolbar button (the add, save and edit menus): an entry for each command
// of the table that names the button and a menu entry, in table order; empty for a button whose
// click runs its command directly.
std::vector<MenuEntry> toolbarMenuEntries(ToolbarButton button);

// The list's context menu (a right click on the list): the commands that name a context menu
// entry, in table order.
std::vector<MenuEntry> contextMenuEntries();

// Starts a command of the table; the face binds it to its window and BlockList.
using CommandRunner = std::function<void(const Command&)>;

// Shows a popup menu of the face's and waits until it has closed; returns the chosen entry's
// command, nullptr when none was chosen (Esc, a click outside).
using MenuChoice = std::function<const Command*()>;

// A click on a toolbar button. While a command runs it starts nothing and beeps, and a button's
// menu does not open either, since none of its entries could run. Otherwise a button with a menu
// shows it through `showMenu`, and the chosen entry's command goes to `run` only then, once the
// menu is off the screen: a command that opens a dialog must not find the menu still up. A
// button without a menu hands its own command to `run`.
void clickToolbarButton(AppContext& app, ToolbarButton button, const MenuChoice& showMenu,
                        const CommandRunner& run);

}  // namespace murax
