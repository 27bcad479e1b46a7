// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/block_list_model.h"

#include <limits>

#include "tape/format/display_charset.h"

namespace murax {
namespace {

int clampedRowCount(std::size_t size)
{
    return size > static_cast<std::size_t>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(size);
}

}  // namespace

BlockListModel::BlockListModel(const DisplayLines& boundLines, QObject* parent)
    : QAbstractListModel(parent),
      boundLines_(boundLines),
      shown_(&boundLines),
      rows_(clampedRowCount(boundLines.size()))
{}

void BlockListModel::reload(const DisplayLines& lines)
{
    beginResetModel();
    if (&lines == &boundLines_) {
        ownLines_.clear();
        shown_ = &boundLines_;
    } else {
        ownLines_ = lines;
        shown_ = &ownLines_;
    }
    rows_ = clampedRowCount(shown_->size());
    endResetModel();
}

QModelIndex BlockListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || row >= rows_)
        return {};
    return createIndex(row, 0);
}

int BlockListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

QVariant BlockListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_)
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= shown_->size())
        return {};
    return QString::fromStdString(bytesToDisplayUtf8((*shown_)[row].view()));
}

Qt::ItemFlags BlockListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace murax
