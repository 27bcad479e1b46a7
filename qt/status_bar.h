// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include "tape/model/block_list.h"

namespace murax {

// The one-line strip along the bottom of the main window. It holds a single text, its default
// text, and always shows it.
class StatusBar : public QWidget {
public:
    explicit StatusBar(QWidget* parent);

    void setText(const QString& text);
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

// Creates the status bar along the bottom of `window`, with the block summary as its text.
StatusBar* STATUSBAR(QWidget& window, const BlockList& list);  // makes the status bar

}  // namespace murax
