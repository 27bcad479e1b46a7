// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <array>

#include "app/toolbar_commands.h"

class QMenu;

namespace murax {

// The main window's command bar: eight painted bitmap buttons in three groups along the top of
// the client area. Five run their command when clicked; Add, Save and Edit show a popup menu,
// wherever on the button the click falls. The buttons never take the focus, which stays in the
// block list.
class Toolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 8;

    // Builds the bar and its three menus on `parent`, across its full width.
    Toolbar(ToolbarCommands commands, QWidget* parent);

    // The button's rectangle in the bar's coordinates; index 0 is the leftmost.
    QRect buttonRect(int index) const;
    // The button at `position`, or -1 over the bar beside the buttons.
    int buttonAt(const QPoint& position) const;
    // The button under the mouse pointer, drawn with the hover fill; -1 when none.
    int hoveredButton() const { return hovered_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void activate(int index);
    void setHovered(int index);
    void followPointer();
    void paintButton(QPainter& painter, int index) const;

    ToolbarCommands commands_;
    std::array<QPixmap, kButtonCount> bitmaps_;
    std::array<QMenu*, kButtonCount> menus_{};  // null for a button without a menu
    int hovered_ = -1;
    int pressed_ = -1;
};

}  // namespace murax
