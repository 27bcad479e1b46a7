// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar_menus.h"

#include <QAction>
#include <QMenu>
#include <QVariant>

namespace murax {
namespace {
using Action = std::function<void()>;

// A menu of the commands for which `entryOf` gives an entry, in table order; nullptr when none
// does.
QMenu* commandMenu(const std::function<const char*(const Command&)>& entryOf,
                   const CommandRunner& run, QWidget* parent)
{
    QMenu* menu = nullptr;
    for (const Command& command : commandTable()) {
        const char* entry = entryOf(command);
        if (entry == nullptr)
            continue;
        if (menu == nullptr)
            menu = new QMenu(parent);
        QAction* action = menu->addAction(QString::fromLatin1(entry));
        action->setData(QVariant::fromValue(Action([run, &command] { run(command); })));
    }
    return menu;
}

}  // namespace

QMenu* toolbarMenu(ToolbarButton button, const CommandRunner& run, QWidget* parent)
{
    return commandMenu(
        [button](const Command& command) {
            return command.button == button ? command.menuEntry : nullptr;
        },
        run, parent);
}

QMenu* listContextMenu(const CommandRunner& run, QWidget* parent)
{
    return commandMenu([](const Command& command) { return command.contextMenuEntry; }, run,
                       parent);
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
