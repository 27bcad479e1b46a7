// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/band_gradient.h"

#include <QPainter>

#include "qt/qt_look.h"

namespace murax {

void paintBandGradient(QPainter& painter, const QRect& rect)
{
    for (int row = 0; row < rect.height(); ++row)
        painter.fillRect(rect.left(), rect.top() + row, rect.width(), 1,
                         toQColor(band_gradient::bandRowColour(row, rect.height())));
}

}  // namespace murax
