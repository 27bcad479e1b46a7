// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include "app/toolbar_commands.h"

class QMenu;
class QWidget;

namespace murax {

// The toolbar's three popup menus, two entries each. Every entry carries the command it runs, so
// the menu can be built once and shown again on every click.
QMenu* MENUAGGIUNGI(const ToolbarCommands& commands, QWidget* parent);  // "Add...", "Insert..."
QMenu* MENUSALVA(const ToolbarCommands& commands, QWidget* parent);     // "Save", "Save as..."
QMenu* MENUMODIFICA(const ToolbarCommands& commands, QWidget* parent);  // properties, hex editor

// Shows `menu` with its top-left corner at `globalPosition` and waits until it closes. The chosen
// entry's command runs only then, once the menu is off the screen: a command that opens a dialog
// must not find the menu still up. Esc or a click outside runs nothing.
void showPopupMenu(QMenu& menu, const QPoint& globalPosition);

}  // namespace murax
