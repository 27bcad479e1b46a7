// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/block_list_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

#include <algorithm>

#include "qt/block_line_delegate.h"
#include "qt/block_list_model.h"
#include "seam/window_look.h"

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

// Only files of this machine can be read into the tape; a drag holding anything else is refused
// whole, so the pointer shows before the drop that nothing would happen.
bool holdsOnlyLocalFiles(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().isEmpty())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

// Files are only ever copied in: a move would let the file manager delete the originals once
// the drop is accepted.
bool acceptAsCopy(QDropEvent* event)
{
    if (!holdsOnlyLocalFiles(event->mimeData()) || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

}  // namespace

BlockListView::BlockListView(const DisplayLines& lines, QWidget* parent)
    : QListView(parent), model_(new BlockListModel(lines, this))
{
    setObjectName("cBlk");
    setModel(model_);
    selection_.reset(model_->rowCount());
    setItemDelegate(
        new BlockLineDelegate([this](int row) { return selection_.contains(row); }, this));
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
    setAcceptDrops(true);
    setTabKeyNavigation(false);
}

void BlockListView::setDropHandlers(RowsDropped rowsDropped, FilesDropped filesDropped)
{
    rowsDropped_ = std::move(rowsDropped);
    filesDropped_ = std::move(filesDropped);
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
    rowDrag_.cancel();
    filesOver_ = 0;
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

void BlockListView::selectRows(const std::vector<int>& positions, int current)
{
    for (const int position : positions)
        selection_.add(position - 1);
    if (current >= 1 && current <= count()) {
        // Shift extends from the current row, if it is selected, as after a click on it.
        if (selection_.contains(current - 1))
            selection_.add(current - 1);
        setCurrentRow(current - 1);
        scrollTo(model_->index(current - 1), QAbstractItemView::EnsureVisible);
    }
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
    const QPoint at = event->position().toPoint();
    const int row = indexAt(at).row();
    // The selection stays until it is clear whether this is a click or a drag of the rows.
    if (rowDrag_.press({{at.x(), at.y()}, row, row >= 0 && selection_.contains(row), ctrl, shift},
                       dragSlack()))
        return;
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
    if (rowDrag_.held() && (event->buttons() & Qt::LeftButton)) {
        const QPoint at = event->position().toPoint();
        if (rowDrag_.move({at.x(), at.y()}, rowGeometry()))
            viewport()->update();
        // The view scrolls when the pointer leaves it, as while selecting by dragging.
        if (rowDrag_.moving())
            QListView::mouseMoveEvent(event);
        return;
    }
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        QListView::mouseMoveEvent(event);
        return;
    }
    // Let the view scroll when the pointer leaves it; then select up to the row under it.
    QListView::mouseMoveEvent(event);
    const int row = rowGeometry().rowForDrag(event->position().toPoint().y());
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
    if (!rowDrag_.held()) {
        QListView::mouseReleaseEvent(event);
        return;
    }
    const RowDrag::Release release = rowDrag_.release();
    viewport()->update();
    QListView::mouseReleaseEvent(event);
    if (release.kind == RowDrag::Release::Kind::SelectAlone) {
        selection_.selectOnly(release.position - 1);
        showSelectionChange();
    } else if (release.kind == RowDrag::Release::Kind::Drop && rowsDropped_) {
        rowsDropped_(release.position);
    }
}

void BlockListView::dragEnterEvent(QDragEnterEvent* event)
{
    if (acceptAsCopy(event))
        showFilesOver(rowGeometry().placeBefore(event->position().toPoint().y()));
}

void BlockListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (acceptAsCopy(event))
        showFilesOver(rowGeometry().placeBefore(event->position().toPoint().y()));
}

void BlockListView::dragLeaveEvent(QDragLeaveEvent* event)
{
    showFilesOver(0);
    event->accept();
}

void BlockListView::dropEvent(QDropEvent* event)
{
    showFilesOver(0);
    if (!acceptAsCopy(event))
        return;
    std::vector<std::string> files;
    for (const QUrl& url : event->mimeData()->urls())
        files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    fileDrops_.dropped(std::move(files), event->position().toPoint().y(), rowGeometry());
    QTimer::singleShot(0, this, [this] {
        const std::optional<FileDrops::Drop> drop = fileDrops_.takeOldest();
        if (drop && filesDropped_)
            filesDropped_(drop->files, drop->beforePosition);
    });
}

void BlockListView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    const int place = rowDrag_.dropLine() > 0 ? rowDrag_.dropLine() : filesOver_;
    if (place < 1 || count() == 0)
        return;
    const int y = rowGeometry().dropLineY(place);
    QPainter painter(viewport());
    painter.fillRect(QRect(0, y - 1, viewport()->width(), 2), palette().color(QPalette::Text));
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
    const bool second =
        menuPressSeen_ &&
        event->timestamp() - lastMenuPressTime_ <
            static_cast<quint64>(QApplication::doubleClickInterval()) &&
        (position - lastMenuPosition_).manhattanLength() <= QApplication::startDragDistance();
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
    const ListPoint at = menuKeyPlace(rowGeometry(), viewport()->width(), currentPosition());
    contextMenu_(viewport()->mapToGlobal(QPoint(at.x, at.y)));
}

RowGeometry BlockListView::rowGeometry() const
{
    // Row 0's rectangle is where it would be drawn, scrolled out of sight or not.
    return {count(), main_window::kRowHeight, visualRect(model_->index(0)).top(),
            viewport()->height()};
}

void BlockListView::showFilesOver(int beforePosition)
{
    if (beforePosition == filesOver_)
        return;
    filesOver_ = beforePosition;
    viewport()->update();
}

RowDrag::Slack BlockListView::dragSlack()
{
    // Qt starts a drag once the pointer has gone this far.
    const int distance = QApplication::startDragDistance() - 1;
    return {distance, distance};
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
