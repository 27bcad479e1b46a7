// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>

#include "seam/window.h"
#include "tape/commands/virtual_keys.h"
#include "tape/model/block_list.h"

namespace murax {

// A key that starts a command: its Windows virtual-key code and the modifiers that must have been
// down with it. Modifiers a binding does not ask for are not tested: Shift+Delete deletes as
// Delete does.
struct KeyBinding {
    int virtualKey = 0;  // 0: no key
    bool needsControl = false;
    bool needsShift = false;
    bool consumed = false;  // the list box gives the key no handling of its own afterwards
};

// The buttons of the toolbar, left to right.
enum class ToolbarButton { None, Open, Add, Save, Delete, MoveUp, MoveDown, Edit, Run };

// One command of the window: what runs it and everything that starts it. A command reaches the
// key handler, the toolbar, its menus and the list's double-click only through this table.
struct Command {
    const char* name;  // what the command does, in a word or two
    void (*routine)(Window& window, BlockList& list);
    std::array<KeyBinding, 2> keys;
    bool onDoubleClick;    // a double-click on a row runs it
    ToolbarButton button;  // the button that starts it, directly or from its menu
    // Its entry in the button's popup menu (a tab splits the label from a key hint shown at the
    // right); nullptr when a click on the button runs it directly.
    const char* menuEntry;
    // Its entry in the list's context menu (a right click on the list), in the same form;
    // nullptr when the context menu does not offer it.
    const char* contextMenuEntry = nullptr;
};

// A toolbar button's look: its bitmap resource, tooltip and whether a gap comes before it.
struct ToolbarButtonLook {
    ToolbarButton button;
    const char* bitmap;
    const char* toolTip;
    bool startsGroup;
};

std::span<const Command> commandTable();                  // every command, in key-matching order
std::span<const ToolbarButtonLook> toolbarButtonLooks();  // the toolbar's buttons, left to right
// The button's place on the toolbar, from 0 at the left; -1 for a button the toolbar lacks.
int toolbarIndexOf(ToolbarButton button);

// The first command with a binding of the pressed key whose modifiers were down with it, and that
// binding.
struct KeyMatch {
    const Command* command = nullptr;
    const KeyBinding* binding = nullptr;
};
KeyMatch commandForKey(const KeyPress& key);

const Command* doubleClickCommand();                   // the command a double-click runs
const Command* directCommandOf(ToolbarButton button);  // the one a click runs; null for a menu

}  // namespace murax
