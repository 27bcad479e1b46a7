// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <functional>

#include "tape/commands/command_table.h"

class QMenu;
class QWidget;

namespace murax {

// Starts a command of the table; the toolbar's owner binds it to its window and BlockList.
using CommandRunner = std::function<void(const Command&)>;

// The popup menu of a toolbar button (the add, save and edit menus): an entry for each command of
// the table that names the button and a menu entry, in table order; nullptr for a button whose
// click runs its command directly. Every entry carries its command, so the menu can be built once
// and shown again on every click.
QMenu* toolbarMenu(ToolbarButton button, const CommandRunner& run, QWidget* parent);

// The list's context menu, built the same way from the commands that name a context menu entry.
QMenu* listContextMenu(const CommandRunner& run, QWidget* parent);

// Shows `menu` with its top-left corner at `globalPosition` and waits until it closes. The chosen
// entry's command runs only then, once the menu is off the screen: a command that opens a dialog
// must not find the menu still up. Esc or a click outside runs nothing.
void showPopupMenu(QMenu& menu, const QPoint& globalPosition);

}  // namespace murax
