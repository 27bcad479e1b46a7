// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

#include <functional>
#include <vector>

#include "support/list_selection.h"
#include "support/window_services.h"

namespace murax {

class BlockListModel;

// The block list box (control name "cBlk", id 101): the open tape's lines in the window's fixed
// font, with extended selection, a vertical scroll bar that is always there (disabled while every
// row fits), no frame and no inline editing. It keeps the standard list box rules the commands
// rely on: a reload leaves no selection and no current row; select adds a row to the selection
// and makes it current. Right and middle clicks change neither the selection nor the current row;
// a right click (or the keyboard's menu key) asks for the context menu.
//
// The view keeps the selection itself, a bit per row, and leaves Qt's selection model empty: Qt
// holds each selected range as a pair of persistent indexes, and after every other row of a
// million has been selected, reading that selection and dropping it at the next reload took
// several times as long as the command itself.
class BlockListView : public QListView, public ListBox {
public:

    BlockListView(const DisplayLines& lines, QWidget* parent);

    // Shows the list's context menu at a point of the screen; its owner sets it.
    using ContextMenuHandler = std::function<void(const QPoint& globalPosition)>;
    void setContextMenuHandler(ContextMenuHandler handler) { contextMenu_ = std::move(handler); }

    int currentPosition() const override;
    int count() const override;
    std::vector<int> selectedPositions() const override;
    void reload(const DisplayLines& lines) override;
    void select(int position) override;
    void suspendRedraw() override;
    void resumeRedraw() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The view would work out the rows under a dragged rectangle for a selection model that
    // stays empty; the drag is handled in mouseMoveEvent instead.
    void setSelection(const QRect&, QItemSelectionModel::SelectionFlags) override {}

private:
    // The row under the pointer while dragging, kept within the list when it leaves the view.
    int rowForDrag(const QPoint& position) const;
    bool secondPressOfDoubleClick(const QMouseEvent* event);
    void setCurrentRow(int row);
    void showSelectionChange();

    BlockListModel* model_;
    ContextMenuHandler contextMenu_;
    // When and where the last right press opened the context menu: the second press of a right
    // double-click opens it no second time.
    bool menuPressSeen_ = false;
    quint64 lastMenuPressTime_ = 0;  // the event's own time stamp, as double-clicks are timed
    QPoint lastMenuPosition_;
    ListSelection selection_;
    // A left-button press on a row starts a drag; it selects (or, when a Ctrl+click deselected
    // its row, deselects) the rows from there to the pointer.
    bool dragging_ = false;
    bool dragKeepsOthers_ = false;
    bool dragSelects_ = true;
};

}  // namespace murax
