// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar_menus.h"

#include <QAction>
#include <QMenu>
#include <QVariant>

namespace murax {
namespace {

using Command = std::function<void()>;

struct Entry {
    const char* text;  // a tab separates the label from the key hint shown at the right
    Command command;
};

QMenu* buildMenu(QWidget* parent, const Entry& first, const Entry& second)
{
    auto* menu = new QMenu(parent);
    for (const Entry* entry : {&first, &second}) {
        QAction* action = menu->addAction(QString::fromLatin1(entry->text));
        action->setData(QVariant::fromValue(entry->command));
    }
    return menu;
}

}  // namespace

QMenu* MENUAGGIUNGI(const ToolbarCommands& commands, QWidget* parent)
{
    return buildMenu(parent, {"Add...", commands.add}, {"Insert...", commands.insert});
}

QMenu* MENUSALVA(const ToolbarCommands& commands, QWidget* parent)
{
    return buildMenu(parent, {"Save\tF9", commands.save}, {"Save as...", commands.saveAs});
}

QMenu* MENUMODIFICA(const ToolbarCommands& commands, QWidget* parent)
{
    return buildMenu(parent, {"Edit properties...\tEnter", commands.editProperties},
                     {"Edit with hex editor...", commands.editWithHexEditor});
}

void showPopupMenu(QMenu& menu, const QPoint& globalPosition)
{
    const QAction* chosen = menu.exec(globalPosition);
    if (chosen == nullptr)
        return;
    const Command command = chosen->data().value<Command>();
    if (command)
        command();
}

}  // namespace murax
