// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QPainter;

namespace murax {

// Fills `rect` with the two-part gradient of the column title band and the status bar
// (band_gradient in seam/window_look.h), a row at a time.
void paintBandGradient(QPainter& painter, const QRect& rect);

}  // namespace murax
