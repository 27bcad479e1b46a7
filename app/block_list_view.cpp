// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/block_list_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

#include "app/block_line_delegate.h"
#include "app/block_list_model.h"

namespace murax {

namespace {

bool isCursorKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

}  // namespace

BlockListView::BlockListView(const DisplayLines& lines, QWidget* parent)
    : QListView(parent), model_(new BlockListModel(lines, this))
{
    setObjectName("cBlk");
    setModel(model_);
    selection_.reset(model_->rowCount());
    setItemDelegate(new BlockLineDelegate([this](int row) { return selection_.contains(row); }, this));
    // Qt's own selection stays empty: the view moves the current row and this class selects.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Without uniform sizes a reset of a million rows asks every row for its size.
    setUniformItemSizes(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Always there, but disabled while every row fits, as the list box shows it.
    QScrollBar* bar = verticalScrollBar();
    bar->setEnabled(bar->maximum() > bar->minimum());
    connect(bar, &QScrollBar::rangeChanged, bar,
            [bar](int minimum, int maximum) { bar->setEnabled(maximum > minimum); });
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setDragEnabled(false);
    setTabKeyNavigation(false);
}

int BlockListView::currentPosition() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int BlockListView::count() const
{
    return model_->rowCount();
}

std::vector<int> BlockListView::selectedPositions() const
{
    std::vector<int> positions = selection_.selectedRows();
    for (int& position : positions)
        ++position;
    return positions;
}

void BlockListView::reload(const DisplayLines& lines)
{
    dragging_ = false;
    model_->reload(lines);
    selection_.reset(model_->rowCount());
    scrollToTop();
}

void BlockListView::select(int position)
{
    if (position < 1 || position > count())
        return;
    selection_.add(position - 1);
    setCurrentRow(position - 1);
    scrollTo(model_->index(position - 1), QAbstractItemView::EnsureVisible);
    showSelectionChange();
}

void BlockListView::suspendRedraw()
{
    setUpdatesEnabled(false);
}

void BlockListView::resumeRedraw()
{
    setUpdatesEnabled(true);
}

void BlockListView::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int row = currentIndex().row();
    if (event->matches(QKeySequence::SelectAll)) {
        selection_.selectAll();
        event->accept();
    } else if (event->key() == Qt::Key_Space && row >= 0) {
        if (ctrl) {
            selection_.toggle(row);
        } else {
            selection_.add(row);
            // A space may also be part of the start of a line being typed.
            keyboardSearch(event->text());
        }
        event->accept();
    } else {
        QListView::keyPressEvent(event);
    }
    const int now = currentIndex().row();
    if (now >= 0 && now != row) {
        // Shift extends from the anchor, Ctrl alone moves the focus row only, and any other move
        // (a plain cursor key, or typing the start of a line) selects the new row alone.
        if (isCursorKey(event->key()) && shift)
            selection_.extendTo(now, ctrl);
        else if (!(isCursorKey(event->key()) && ctrl))
            selection_.selectOnly(now);
    }
    showSelectionChange();
}

void BlockListView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        // The menu opens on the press, as desktops that open it there do; the context menu
        // event that some desktops send for the same click is left alone below.
        if (event->button() == Qt::RightButton && contextMenu_ && !secondPressOfDoubleClick(event))
            contextMenu_(event->globalPosition().toPoint());
        return;
    }
    // The view gives the focus and moves the current row; the selection is this class's.
    QListView::mousePressEvent(event);
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int row = indexAt(event->position().toPoint()).row();
    if (row < 0) {
        if (!ctrl && !shift)
            selection_.clear();
        showSelectionChange();
        return;
    }
    dragging_ = true;
    dragKeepsOthers_ = ctrl;
    dragSelects_ = true;
    if (shift)
        selection_.extendTo(row, ctrl);
    else if (ctrl)
        dragSelects_ = selection_.toggle(row);
    else
        selection_.selectOnly(row);
    showSelectionChange();
}

void BlockListView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        QListView::mouseMoveEvent(event);
        return;
    }
    // Let the view scroll when the pointer leaves it; then select up to the row under it.
    QListView::mouseMoveEvent(event);
    const int row = rowForDrag(event->position().toPoint());
    if (row < 0)
        return;
    selection_.extendTo(row, dragKeepsOthers_, dragSelects_);
    setCurrentRow(row);
    showSelectionChange();
}

void BlockListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    dragging_ = false;
    QListView::mouseReleaseEvent(event);
}

void BlockListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

bool BlockListView::secondPressOfDoubleClick(const QMouseEvent* event)
{
    const QPoint position = event->globalPosition().toPoint();
    const bool second = menuPressSeen_
                        && event->timestamp() - lastMenuPressTime_
                               < static_cast<quint64>(QApplication::doubleClickInterval())
                        && (position - lastMenuPosition_).manhattanLength()
                               <= QApplication::startDragDistance();
    menuPressSeen_ = !second;
    lastMenuPressTime_ = event->timestamp();
    lastMenuPosition_ = position;
    return second;
}

void BlockListView::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (event->reason() == QContextMenuEvent::Mouse || !contextMenu_)
        return;
    // The menu key: the menu opens at the current row, or at the list's corner without one.
    const QModelIndex current = currentIndex();
    const QPoint at = current.isValid() ? visualRect(current).center() : QPoint(0, 0);
    contextMenu_(viewport()->mapToGlobal(at));
}

int BlockListView::rowForDrag(const QPoint& position) const
{
    if (count() == 0)
        return -1;
    const int y = std::clamp(position.y(), 0, std::max(viewport()->height() - 1, 0));
    const QModelIndex index = indexAt(QPoint(1, y));
    // Below the last row there is no index: the drag has reached the end of the list.
    return index.isValid() ? index.row() : count() - 1;
}

void BlockListView::setCurrentRow(int row)
{
    const QModelIndex index = model_->index(row);
    if (index != currentIndex())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void BlockListView::showSelectionChange()
{
    // Only the rows in sight are painted, so repainting them all costs no more than working out
    // which of them changed.
    viewport()->update();
}

}  // namespace murax
