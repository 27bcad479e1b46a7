// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/toolbar_menus.h"

#include <QAction>
#include <QMenu>
#include <QVariant>

namespace murax {

QMenu* commandMenu(const std::vector<MenuEntry>& entries, QWidget* parent)
{
    if (entries.empty())
        return nullptr;
    auto* menu = new QMenu(parent);
    for (const MenuEntry& entry : entries) {
        QAction* action = menu->addAction(QString::fromLatin1(entry.text));
        action->setData(QVariant::fromValue(entry.command));
    }
    return menu;
}

const Command* chooseFromMenu(QMenu& menu, const QPoint& globalPosition)
{
    const QAction* chosen = menu.exec(globalPosition);
    return chosen != nullptr ? chosen->data().value<const Command*>() : nullptr;
}

}  // namespace murax
