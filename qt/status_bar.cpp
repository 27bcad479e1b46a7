// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/status_bar.h"

#include <QPainter>

#include "qt/band_gradient.h"
#include "qt/program_fonts.h"
#include "qt/qt_look.h"
#include "tape/model/block_info.h"

namespace murax {

StatusBar::StatusBar(QWidget* parent) : QWidget(parent)
{
    setObjectName("statusBar");
    setFont(statusBarFont());
    setFocusPolicy(Qt::NoFocus);
}

void StatusBar::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A thin border; its left and right lines lie just outside the window, so only the top and
    // bottom ones show.
    const QColor border = palette().color(QPalette::Shadow);
    painter.fillRect(0, 0, width(), 1, border);
    painter.fillRect(0, height() - 1, width(), 1, border);
    paintBandGradient(painter, QRect(0, 1, width(), height() - 2));

    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBackgroundMode(Qt::TransparentMode);
    // Plain text, no mnemonics: an "&" in a path shows as itself.
    constexpr int kTextIndent = status_bar::kTextIndent;
    painter.drawText(QRect(kTextIndent, 1, width() - kTextIndent, height() - 2),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}

StatusBar* STATUSBAR(QWidget& window, const BlockList& list)
{
    auto* bar = new StatusBar(&window);
    bar->setGeometry(toQRect(main_window::kStatusBarRect));
    bar->setText(QString::fromStdString(BLKINFO(list)));
    bar->show();
    return bar;
}

}  // namespace murax
