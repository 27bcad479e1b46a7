// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar_menus.h"

#include <QAction>
#include <QMenu>
#include <QVariant>

namespace murax {
namespace {
using Action = std::function<void()>;
}

QMenu* toolbarMenu(ToolbarButton button, const CommandRunner& run, QWidget* parent)
{
    QMenu* menu = nullptr;
    for (const Command& command : commandTable()) {
        if (command.button != button || command.menuEntry == nullptr)
            continue;
        if (menu == nullptr)
            menu = new QMenu(parent);
        QAction* action = menu->addAction(QString::fromLatin1(command.menuEntry));
        action->setData(QVariant::fromValue(Action([run, &command] { run(command); })));
    }
    return menu;
}

void showPopupMenu(QMenu& menu, const QPoint& globalPosition)
{
    const QAction* chosen = menu.exec(globalPosition);
    if (chosen == nullptr)
        return;
    const Action action = chosen->data().value<Action>();
    if (action)
        action();
}

}  // namespace murax
