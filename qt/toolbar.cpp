// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/toolbar.h"

#include <QCursor>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

#include <utility>

#include "qt/qt_look.h"
#include "qt/resource_images.h"
#include "qt/toolbar_menus.h"

namespace murax {
namespace {

using namespace toolbar;

const ToolbarButtonLook& look(int index)
{
    return toolbarButtonLooks()[static_cast<std::size_t>(index)];
}

}  // namespace

Toolbar::Toolbar(AppContext& app, CommandRunner run, QWidget* parent)
    : QWidget(parent), app_(app), run_(std::move(run))
{
    setFocusPolicy(Qt::NoFocus);
    // Right clicks on the bar do nothing, and must not reach the window either.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    for (const ToolbarButtonLook& button : toolbarButtonLooks()) {
        bitmaps_.push_back(toolbarBitmap(QString::fromLatin1(button.bitmap)));
        menus_.push_back(commandMenu(toolbarMenuEntries(button.button), this));
    }

    setGeometry(0, 0, parent != nullptr ? parent->width() : 0, kBarHeight);
    if (parent != nullptr)
        parent->installEventFilter(this);
}

QRect Toolbar::buttonRect(int index) const
{
    int x = 0;
    for (int i = 0; i < buttonCount(); ++i) {
        if (look(i).startsGroup)
            x += kGroupGap;
        const int width = menus_[i] != nullptr ? kCellWidth + kDropDownWidth : kCellWidth;
        if (i == index)
            return QRect(x, 0, width, kCellHeight);
        x += width;
    }
    return QRect();
}

int Toolbar::buttonAt(const QPoint& position) const
{
    for (int i = 0; i < buttonCount(); ++i)
        if (buttonRect(i).contains(position))
            return i;
    return -1;
}

bool Toolbar::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int index = buttonAt(help->pos());
        if (index >= 0)
            QToolTip::showText(help->globalPos(), QString::fromLatin1(look(index).toolTip), this,
                               buttonRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

bool Toolbar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        resize(parentWidget()->width(), kBarHeight);
    return QWidget::eventFilter(watched, event);
}

void Toolbar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(kBackground));
    painter.fillRect(0, kCellHeight, width(), 1, toQColor(kBorder));
    for (int i = 0; i < buttonCount(); ++i)
        paintButton(painter, i);
}

void Toolbar::paintButton(QPainter& painter, int index) const
{
    const QRect button = buttonRect(index);
    const bool hasMenu = menus_[index] != nullptr;
    if (index == hovered_) {
        painter.fillRect(button, toQColor(kHoverFill));
        if (hasMenu) {
            const int dropDownLeft = button.left() + kCellWidth;
            painter.fillRect(dropDownLeft, button.top(), 1, button.height(), toQColor(kDivider));
            painter.fillRect(dropDownLeft + 1, button.top(), 1, button.height(),
                             toQColor(kDividerLight));
            painter.fillRect(button.right(), button.top(), 1, button.height(), toQColor(kDivider));
        }
    }
    painter.drawPixmap(button.topLeft() + QPoint(kBitmapLeft, kBitmapTop), bitmaps_[index]);
    if (hasMenu) {
        const int left = button.left() + button.width() - kArrowInsetFromRight;
        const int top = button.top() + button.height() / 2;
        for (int row = 0; row < kArrowHeight; ++row)
            painter.fillRect(left + row, top + row, kArrowWidth - 2 * row, 1, toQColor(kArrow));
    }
}

void Toolbar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = buttonAt(event->position().toPoint());
    event->accept();
}

// A quick second click counts as a click of its own, as it does on the list's own buttons.
void Toolbar::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void Toolbar::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const int index = std::exchange(pressed_, -1);
    if (index >= 0 && buttonAt(event->position().toPoint()) == index)
        activate(index);
}

void Toolbar::mouseMoveEvent(QMouseEvent* event)
{
    setHovered(buttonAt(event->position().toPoint()));
}

void Toolbar::leaveEvent(QEvent*)
{
    setHovered(-1);
}

void Toolbar::activate(int index)
{
    // A command may run a dialog or a menu of its own for as long as the user likes; the bar must
    // not assume it is still there, nor that the pointer is where it was, when it returns.
    const QPointer<Toolbar> alive(this);
    const QRect button = buttonRect(index);
    QMenu* menu = menus_[index];
    clickToolbarButton(
        app_, look(index).button,
        [this, menu, button]() -> const Command* {
            if (menu == nullptr)
                return nullptr;
            return chooseFromMenu(*menu, mapToGlobal(QPoint(button.left(), button.bottom() + 1)));
        },
        run_);
    if (alive)
        followPointer();
}

void Toolbar::followPointer()
{
    const QPoint position = mapFromGlobal(QCursor::pos());
    setHovered(rect().contains(position) ? buttonAt(position) : -1);
}

void Toolbar::setHovered(int index)
{
    if (index == hovered_)
        return;
    hovered_ = index;
    update();
}

}  // namespace murax
