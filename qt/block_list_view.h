// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

#include <functional>
#include <string>
#include <vector>

#include "seam/list_box.h"
#include "seam/list_selection.h"
#include "seam/row_geometry.h"
#include "window/list_gestures.h"

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
//
// A press on a selected row is the row drag's (window/list_gestures.h), which the view feeds and
// draws; local files dragged onto the list go before the row under the pointer, or after the
// last row. What a drop does is the window's: the view only reports it, through the two
// handlers, with the row the drop lands before (from 1; one past the last row when below it).
class BlockListView : public QListView, public ListBox {
public:
    using RowsDropped = std::function<void(int beforePosition)>;
    using FilesDropped =
        std::function<void(const std::vector<std::string>& files, int beforePosition)>;

    BlockListView(const DisplayLines& lines, QWidget* parent);

    // Shows the list's context menu at a point of the screen; its owner sets it.
    using ContextMenuHandler = std::function<void(const QPoint& globalPosition)>;
    void setContextMenuHandler(ContextMenuHandler handler) { contextMenu_ = std::move(handler); }
    void setDropHandlers(RowsDropped rowsDropped, FilesDropped filesDropped);

    int currentPosition() const override;
    int count() const override;
    std::vector<int> selectedPositions() const override;
    void reload(const DisplayLines& lines) override;
    void select(int position) override;
    void selectRows(const std::vector<int>& positions, int current) override;
    void suspendRedraw() override;
    void resumeRedraw() override;

    // The rows as they lie in the viewport now, for placing a drag and a drop.
    RowGeometry rowGeometry() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The view would work out the rows under a dragged rectangle for a selection model that
    // stays empty; the drag is handled in mouseMoveEvent instead.
    void setSelection(const QRect&, QItemSelectionModel::SelectionFlags) override {}

private:
    bool secondPressOfDoubleClick(const QMouseEvent* event);
    void setCurrentRow(int row);
    void showSelectionChange();
    void showFilesOver(int beforePosition);
    static RowDrag::Slack dragSlack();

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
    RowDrag rowDrag_;
    FileDrops fileDrops_;
    int filesOver_ = 0;  // where the line of files dragged over the list is drawn; 0: none
    RowsDropped rowsDropped_;
    FilesDropped filesDropped_;
};

}  // namespace murax
