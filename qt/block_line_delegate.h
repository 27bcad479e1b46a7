// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace murax {

// Draws a list line one character per fixed cell, so that every field stays under its column of
// the title band even where a character comes from a fallback font with another width (on a
// system without Liberation Mono). Rows have the fixed height of the window's font. Whether a row
// is drawn selected comes from the list, which keeps its selection itself.
class BlockLineDelegate : public QStyledItemDelegate {
public:
    using IsRowSelected = std::function<bool(int row)>;

    BlockLineDelegate(IsRowSelected isRowSelected, QObject* parent)
        : QStyledItemDelegate(parent), isRowSelected_(std::move(isRowSelected))
    {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return nullptr;
    }

private:
    IsRowSelected isRowSelected_;
};

}  // namespace murax
