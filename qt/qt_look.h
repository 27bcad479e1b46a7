// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

#include "seam/window_look.h"

namespace murax {

// The look's numbers in Qt's types.
constexpr QRect toQRect(const PixelRect& rect)
{
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

inline PixelRect toPixelRect(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

constexpr QColor toQColor(const Rgb& colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace murax
