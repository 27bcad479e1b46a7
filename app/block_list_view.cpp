#include "app/block_list_view.h"

#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <functional>

#include "app/block_line_delegate.h"
#include "app/block_list_model.h"

namespace murax {

BlockListView::BlockListView(const std::vector<std::string>& lines, QWidget* parent)
    : QListView(parent), model_(new BlockListModel(lines, this))
{
    setObjectName("cBlk");
    setProperty("controlId", kControlId);
    setModel(model_);
    setItemDelegate(new BlockLineDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Without uniform sizes a reset of a million rows asks every row for its size.
    setUniformItemSizes(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::PreventContextMenu);
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
    // Read from the selection's ranges: selectedIndexes() builds an index per row and asks each
    // for its flags, and selectedRows() is quadratic in the number of ranges.
    const QItemSelection selection = selectionModel()->selection();
    std::vector<int> positions;
    for (const QItemSelectionRange& range : selection)
        for (int row = range.top(); row <= range.bottom(); ++row)
            positions.push_back(row + 1);
    const bool strictlyAscending =
        std::adjacent_find(positions.begin(), positions.end(), std::greater_equal<int>())
        == positions.end();
    if (!strictlyAscending) {
        std::sort(positions.begin(), positions.end());
        positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    }
    return positions;
}

void BlockListView::reload(const std::vector<std::string>& lines)
{
    // The reset clears the selection anyway; clearing it first without telling the view spares it
    // working out the screen area of every selected range (half a million after selecting every
    // other row), which it would only repaint in full after the reset.
    {
        const QSignalBlocker quiet(selectionModel());
        selectionModel()->clear();
    }
    model_->reload(lines);
    scrollToTop();
}

void BlockListView::select(int position)
{
    if (position < 1 || position > count())
        return;
    const QModelIndex index = model_->index(position - 1);
    selectionModel()->select(index, QItemSelectionModel::Select);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

void BlockListView::suspendRedraw()
{
    setUpdatesEnabled(false);
}

void BlockListView::resumeRedraw()
{
    setUpdatesEnabled(true);
}

void BlockListView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void BlockListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
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

}  // namespace murax
