// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace murax {

// Dialog units to pixels, as a dialog template is laid out: a horizontal unit is a quarter of the
// base width, a vertical one an eighth of the base height. The base units are constants rather
// than measured from the fallback font: Liberation Mono reports a line height of 15 instead of 16,
// which would slide the list up over the column title band.
struct DialogBaseUnits {
    int width;
    int height;
};

constexpr int dialogUnitsToPixelsX(int units, DialogBaseUnits base)
{
    return (units * base.width + 2) / 4;
}

constexpr int dialogUnitsToPixelsY(int units, DialogBaseUnits base)
{
    return (units * base.height + 4) / 8;
}

constexpr QRect dialogUnitsToPixels(int x, int y, int width, int height, DialogBaseUnits base)
{
    return QRect(dialogUnitsToPixelsX(x, base), dialogUnitsToPixelsY(y, base),
                 dialogUnitsToPixelsX(width, base), dialogUnitsToPixelsY(height, base));
}

// The main window's template: "Courier New" 10 pt, whose base units at 96 dpi are 8 x 16 pixels.
namespace main_window {
inline constexpr DialogBaseUnits kBaseUnits{8, 16};
inline constexpr int kClientWidth = dialogUnitsToPixelsX(223, kBaseUnits);   // 446
inline constexpr int kClientHeight = dialogUnitsToPixelsY(301, kBaseUnits);  // 602
// The block list box, the template's only control: the full width, below the title band.
inline constexpr QRect kListRect = dialogUnitsToPixels(0, 25, 223, 264, kBaseUnits);
// The toolbar ends on row 31, where the column title band begins; the band ends on row 48.
inline constexpr int kToolbarBottom = 31;
inline constexpr int kBandTop = 31;
inline constexpr int kBandBottom = 48;
// The status bar's height: the system font's line height plus 8, kept as the 24 pixels it has on
// a standard display.
inline constexpr int kStatusBarHeight = 24;
inline constexpr QRect kStatusBarRect{0, kClientHeight - kStatusBarHeight, kClientWidth,
                                      kStatusBarHeight};
// A character of the list font is 8 pixels wide; rows are one font height, 16 pixels, high.
inline constexpr int kCharacterCellWidth = kBaseUnits.width;
inline constexpr int kRowHeight = kBaseUnits.height;
}  // namespace main_window

}  // namespace murax
