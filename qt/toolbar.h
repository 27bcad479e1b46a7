// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <vector>

#include "qt/toolbar_menus.h"
#include "seam/app_context.h"
#include "tape/commands/command_table.h"

class QMenu;

namespace murax {

// The main window's command bar: the painted bitmap buttons of the command table, in groups along
// the top of the client area. A button runs its command when clicked, or, when its commands are
// menu entries (Add, Save and Edit), shows their popup menu wherever on the button the click
// falls. The buttons never take the focus, which stays in the block list.
class Toolbar : public QWidget {
    Q_OBJECT
public:
    // Builds the bar and its menus from the command table on `parent`, across its full width.
    // A click or a menu entry hands its command to `run`; while `app` runs a command, a click
    // only beeps.
    Toolbar(AppContext& app, CommandRunner run, QWidget* parent);

    int buttonCount() const { return static_cast<int>(bitmaps_.size()); }
    // The button's rectangle in the bar's coordinates; index 0 is the leftmost.
    QRect buttonRect(int index) const;
    QRect buttonRect(ToolbarButton button) const { return buttonRect(toolbarIndexOf(button)); }
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

    AppContext& app_;
    CommandRunner run_;
    std::vector<QPixmap> bitmaps_;
    std::vector<QMenu*> menus_;  // null for a button without a menu
    int hovered_ = -1;
    int pressed_ = -1;
};

}  // namespace murax
