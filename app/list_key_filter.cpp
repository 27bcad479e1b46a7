// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/list_key_filter.h"

#include <QKeyEvent>

#include "tape/key_router.h"

namespace murax {

int virtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::Return;
    case Qt::Key_Delete:
        return vk::Delete;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_F2:
        return vk::F2;
    case Qt::Key_F9:
        return vk::F9;
    case Qt::Key_F11:
        return vk::F11;
    default:
        return 0;
    }
}

ListKeyFilter::ListKeyFilter(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler))
{
}

bool ListKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int virtualKey = virtualKeyCode(static_cast<QKeyEvent*>(event)->key());
    if (virtualKey == 0)
        return false;
    const bool consumed = handler_ && handler_(virtualKey);
    return consumed || virtualKey == vk::Return;
}

}  // namespace murax
