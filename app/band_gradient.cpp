// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/band_gradient.h"

#include <QPainter>

#include <cmath>

namespace murax {
namespace {

int mix(int from, int to, int row, int rows)
{
    if (rows <= 1)
        return from;
    return static_cast<int>(std::lround(from + (to - from) * double(row) / (rows - 1)));
}

void paintHalf(QPainter& painter, int left, int width, int top, int rows, const QColor& from,
               const QColor& to)
{
    for (int row = 0; row < rows; ++row)
        painter.fillRect(left, top + row, width, 1, gradientRowColor(from, to, row, rows));
}

}  // namespace

QColor gradientRowColor(const QColor& top, const QColor& bottom, int row, int rows)
{
    return QColor(mix(top.red(), bottom.red(), row, rows),
                  mix(top.green(), bottom.green(), row, rows),
                  mix(top.blue(), bottom.blue(), row, rows));
}

void paintBandGradient(QPainter& painter, const QRect& rect)
{
    const int upperRows = (rect.height() + 1) / 2;
    paintHalf(painter, rect.left(), rect.width(), rect.top(), upperRows, kGradientUpperTop,
              kGradientUpperBottom);
    paintHalf(painter, rect.left(), rect.width(), rect.top() + upperRows,
              rect.height() - upperRows, kGradientLowerTop, kGradientLowerBottom);
}

}  // namespace murax
