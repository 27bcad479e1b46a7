// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace murax {

// The two-part vertical gradient shared by the column title band and the status bar: the upper
// half of `rect` shades from near-white to a pale blue, the lower half from a deeper blue back
// towards the pale one.
inline constexpr QColor kGradientUpperTop{254, 254, 255};
inline constexpr QColor kGradientUpperBottom{232, 236, 246};
inline constexpr QColor kGradientLowerTop{212, 219, 237};
inline constexpr QColor kGradientLowerBottom{222, 227, 244};

void paintBandGradient(QPainter& painter, const QRect& rect);

// The colour of row `row` (0-based) of a `rows`-row vertical gradient from `top` to `bottom`:
// the first row is `top`, the last `bottom`.
QColor gradientRowColor(const QColor& top, const QColor& bottom, int row, int rows);

}  // namespace murax
