// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/list_key_filter.h"

#include <QKeyEvent>

namespace murax {

int virtualKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return vk::F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::Return;
    case Qt::Key_Backspace:
        return vk::Backspace;
    case Qt::Key_Space:
        return vk::Space;
    case Qt::Key_Insert:
        return vk::Insert;
    case Qt::Key_Delete:
        return vk::Delete;
    case Qt::Key_Home:
        return vk::Home;
    case Qt::Key_End:
        return vk::End;
    case Qt::Key_PageUp:
        return vk::PageUp;
    case Qt::Key_PageDown:
        return vk::PageDown;
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    default:
        return 0;
    }
}

ListKeyFilter::ListKeyFilter(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler))
{}

bool ListKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const KeyPress key{virtualKeyCode(keyEvent->key()),
                       keyEvent->modifiers().testFlag(Qt::ControlModifier),
                       keyEvent->modifiers().testFlag(Qt::ShiftModifier)};
    if (key.virtualKey == 0)
        return false;
    const bool consumed = handler_ && handler_(key);
    return consumed || key.virtualKey == vk::Return;
}

}  // namespace murax
