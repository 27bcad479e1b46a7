// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>

#include "tape/format/display_line.h"

namespace murax {

// The rows of the block list box: the display lines of the open tape, read in place from the
// BlockList's `lines` (a million-entry tape is not copied), shown through the Spectrum character
// mapping. The model never edits them.
class BlockListModel : public QAbstractListModel {
public:
    // `boundLines` is the BlockList's `lines`; it must outlive the model.
    explicit BlockListModel(const DisplayLines& boundLines, QObject* parent = nullptr);

    // Shows `lines` from now on, in one reset. The bound lines are read in place; any other list
    // is copied, so that a caller's temporary never leaves the model reading freed memory.
    void reload(const DisplayLines& lines);

    // The list view asks for the index of every row when it lays a reset list out; the base
    // class's checks through the virtual row and column counts double that cost.
    QModelIndex index(int row, int column = 0,
                      const QModelIndex& parent = QModelIndex()) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const DisplayLines& boundLines_;
    DisplayLines ownLines_;
    const DisplayLines* shown_;
    // The row count as of the last reset: the commands change `lines` before they reload, and the
    // view must not see rows appear or vanish in between.
    int rows_ = 0;
};

}  // namespace murax
