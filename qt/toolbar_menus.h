// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <vector>

#include "window/command_menus.h"

class QMenu;
class QWidget;

namespace murax {

// A popup menu of `entries` (a toolbar button's, the list's context menu); nullptr when there are
// none. Every action carries its entry's command, so the menu can be built once and shown again
// on every click.
QMenu* commandMenu(const std::vector<MenuEntry>& entries, QWidget* parent);

// Shows `menu` with its top-left corner at `globalPosition`, waits until it closes and returns
// the chosen entry's command; nullptr when Esc or a click outside closed it.
const Command* chooseFromMenu(QMenu& menu, const QPoint& globalPosition);

}  // namespace murax
