// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/title_band.h"

#include <QPainter>
#include <QWidget>

#include "qt/band_gradient.h"
#include "qt/qt_look.h"

namespace murax {
namespace {

// Coordinates below name pixel positions, edges included: a frame with left edge 0 and right edge
// 100 covers the columns 0 to 100.
void drawFrame(QPainter& painter, int left, int top, int right, int bottom, const QColor& topLeft,
               const QColor& bottomRight)
{
    painter.fillRect(left, top, right - left + 1, 1, topLeft);
    painter.fillRect(left, top, 1, bottom - top + 1, topLeft);
    painter.fillRect(left, bottom, right - left + 1, 1, bottomRight);
    painter.fillRect(right, top, 1, bottom - top + 1, bottomRight);
}

}  // namespace

void TITOLI(const QWidget& window, QPainter& painter)
{
    using namespace main_window;
    const QColor black = toQColor(kBlack);
    painter.save();
    paintBandGradient(painter, QRect(0, kBandTop, window.width(), kBandBottom - kBandTop + 1));

    painter.setFont(window.font());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(black);
    const QColor highlight = window.palette().color(QPalette::Light);
    const QColor shadow = window.palette().color(QPalette::Dark);

    int right = 0;
    for (const title_band::Column& column : title_band::kColumns) {
        const int left = right == 0 ? 0 : right + 1;
        right += column.width;
        drawFrame(painter, left - 1, kBandTop, right, kBandBottom, black, black);
        drawFrame(painter, left, kBandTop + 1, right - 1, kBandBottom - 1, highlight, shadow);
        // Drawn as plain text: an "&" shows as itself.
        painter.drawText(QRect(left, kBandTop + 1, right - left, kBandBottom - kBandTop - 1),
                         Qt::AlignCenter | Qt::TextSingleLine, QString::fromLatin1(column.title));
    }
    painter.restore();
}

}  // namespace murax
