// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace murax {

// The windows' look in numbers: sizes and places in pixels at 96 dpi, the fixed colours, the
// fonts and their character cells. Every front end draws from these, so that each looks the same
// and a test reads the numbers here rather than writing them again. Colours that follow the
// desktop's theme (the button face, its light and dark edges, the selection) are not fixed and
// are not here.

struct Rgb {
    int red;
    int green;
    int blue;
    constexpr bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
    constexpr bool operator==(const PixelRect&) const = default;
};

// A font by its family name and size: in points, or in pixels where `pixelSize` is not 0.
struct FontLook {
    const char* family;
    int pointSize;
    int pixelSize;
};

// Dialog units to pixels, as a dialog template is laid out: a horizontal unit is a quarter of the
// base width, a vertical one an eighth of the base height. The base units are constants rather
// than measured from the font that stands in for the template's: Liberation Mono reports a line
// height of 15 instead of 16, which would slide the list up over the column title band.
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

constexpr PixelRect dialogUnitsToPixels(int x, int y, int width, int height, DialogBaseUnits base)
{
    return {dialogUnitsToPixelsX(x, base), dialogUnitsToPixelsY(y, base),
            dialogUnitsToPixelsX(width, base), dialogUnitsToPixelsY(height, base)};
}

// The main window's template: "Courier New" 10 pt, whose base units at 96 dpi are 8 x 16 pixels.
namespace main_window {
inline constexpr FontLook kFont{"Courier New", 10, 0};
inline constexpr DialogBaseUnits kBaseUnits{8, 16};
inline constexpr int kClientWidth = dialogUnitsToPixelsX(223, kBaseUnits);   // 446
inline constexpr int kClientHeight = dialogUnitsToPixelsY(301, kBaseUnits);  // 602
// The block list box, the template's only control: the full width, below the title band.
inline constexpr PixelRect kListRect = dialogUnitsToPixels(0, 25, 223, 264, kBaseUnits);
// The toolbar ends on row 31, where the column title band begins; the band ends on row 48.
inline constexpr int kToolbarBottom = 31;
inline constexpr int kBandTop = 31;
inline constexpr int kBandBottom = 48;
// The status bar's height: the system font's line height plus 8, kept as the 24 pixels it has on
// a standard display.
inline constexpr int kStatusBarHeight = 24;
inline constexpr PixelRect kStatusBarRect{0, kClientHeight - kStatusBarHeight, kClientWidth,
                                          kStatusBarHeight};
// A character of the list font is 8 pixels wide; rows are one font height, 16 pixels, high.
inline constexpr int kCharacterCellWidth = kBaseUnits.width;
inline constexpr int kRowHeight = kBaseUnits.height;
}  // namespace main_window

// The block list's rows: a line's characters, one fixed cell each, after a small margin.
namespace block_list {
inline constexpr int kLeftMargin = 2;
inline constexpr int kLineCharacters = 52;
inline constexpr int kRowWidth = kLeftMargin + kLineCharacters * main_window::kCharacterCellWidth;
}  // namespace block_list

// The column title band over the list, in the window's font. The widths add up to the window's
// 446 pixels. "Length" keeps two trailing spaces, which move it left of the centre, over the
// right-aligned numbers.
namespace title_band {
struct Column {
    const char* title;
    int width;
};
inline constexpr std::array<Column, 4> kColumns{{
    {"Name", 100},
    {"Type", 150},
    {"Start", 90},
    {"Length  ", 106},
}};
}  // namespace title_band

// The two-part vertical gradient shared by the column title band and the status bar: the upper
// half shades from near-white to a pale blue, the lower half from a deeper blue back towards the
// pale one.
namespace band_gradient {
inline constexpr Rgb kUpperTop{254, 254, 255};
inline constexpr Rgb kUpperBottom{232, 236, 246};
inline constexpr Rgb kLowerTop{212, 219, 237};
inline constexpr Rgb kLowerBottom{222, 227, 244};

// The colour of row `row` (from 0) of a `rows`-row vertical gradient from `top` to `bottom`: the
// first row is `top`, the last `bottom`, each channel in between rounded to the nearest value
// (halves upwards).
constexpr Rgb rowColour(Rgb top, Rgb bottom, int row, int rows)
{
    if (rows <= 1)
        return top;
    const int steps = rows - 1;
    const auto mix = [row, steps](int from, int to) {
        // The channel is never negative, so rounding half up is the integer division below.
        return (2 * (from * steps + (to - from) * row) + steps) / (2 * steps);
    };
    return {mix(top.red, bottom.red), mix(top.green, bottom.green), mix(top.blue, bottom.blue)};
}

// The colour of row `row` of a band `rows` high: the upper half (the middle row too, when the
// band has an odd height) and the lower half shade each between their own two colours.
constexpr Rgb bandRowColour(int row, int rows)
{
    const int upperRows = (rows + 1) / 2;
    if (row < upperRows)
        return rowColour(kUpperTop, kUpperBottom, row, upperRows);
    return rowColour(kLowerTop, kLowerBottom, row - upperRows, rows - upperRows);
}
}  // namespace band_gradient

// The command bar along the window's top: a cell per button, wider where the button has a menu
// (the part right of its picture holds the drop-down triangle), and a gap before each group.
namespace toolbar {
inline constexpr int kCellWidth = 30;
inline constexpr int kCellHeight = 31;
inline constexpr int kDropDownWidth = 13;
inline constexpr int kGroupGap = 8;
// The bar's bottom border runs along the row below the cells; its top and left lines would lie
// above and left of the window's client area, so they are never seen.
inline constexpr int kBarHeight = kCellHeight + 1;
// Where a button's 28 x 25 picture sits in its cell.
inline constexpr int kBitmapLeft = 1;
inline constexpr int kBitmapTop = 4;
inline constexpr int kBitmapWidth = 28;
inline constexpr int kBitmapHeight = 25;
// The drop-down triangle: its upper-left corner counted back from the button's right edge, on
// the cell's middle row, and its widest row.
inline constexpr int kArrowInsetFromRight = 9;
inline constexpr int kArrowWidth = 5;
inline constexpr int kArrowHeight = 3;

inline constexpr Rgb kBackground{244, 244, 245};
inline constexpr Rgb kBorder = kBlack;
inline constexpr Rgb kHoverFill{145, 201, 247};
// The line left of a hovered button's drop-down part, with a white one after it, and its right
// edge.
inline constexpr Rgb kDivider{192, 192, 192};
inline constexpr Rgb kDividerLight = kWhite;
inline constexpr Rgb kArrow = kBlack;
}  // namespace toolbar

namespace status_bar {
// The standard user-interface font, 12 pixels high.
inline constexpr FontLook kFont{"Segoe UI", 0, 12};
// The text's gap from the bar's left edge.
inline constexpr int kTextIndent = 4;
}  // namespace status_bar

// "Edit properties": the template "MODIFICA", laid out in dialog units of its font, "MS Sans
// Serif" 8 pt, whose base units on a standard display are 6 x 13 pixels.
namespace properties_dialog {
inline constexpr FontLook kFont{"MS Sans Serif", 8, 0};
inline constexpr DialogBaseUnits kBaseUnits{6, 13};
inline constexpr PixelRect kLabelRect = dialogUnitsToPixels(10, 10, 20, 13, kBaseUnits);
inline constexpr PixelRect kFieldRect = dialogUnitsToPixels(30, 10, 65, 13, kBaseUnits);
// Below the name, in its column: the type, then one row for each of the header's other fields
// (a label and its field) in the order the properties command lists them, then the data length.
inline constexpr PixelRect kTypeLabelRect = dialogUnitsToPixels(10, 30, 20, 13, kBaseUnits);
inline constexpr PixelRect kTypeRect = dialogUnitsToPixels(30, 30, 65, 13, kBaseUnits);
inline constexpr int kFieldRows = 5;  // four fields and the data length
constexpr PixelRect rowLabelRect(int row)
{
    return dialogUnitsToPixels(10, 48 + 16 * row, 38, 13, kBaseUnits);
}
constexpr PixelRect rowFieldRect(int row)
{
    return dialogUnitsToPixels(50, 48 + 16 * row, 45, 13, kBaseUnits);
}
inline constexpr int kButtonsTop = 48 + 16 * kFieldRows + 2;
inline constexpr PixelRect kSize = dialogUnitsToPixels(0, 0, 105, kButtonsTop + 20, kBaseUnits);
inline constexpr PixelRect kSaveRect = dialogUnitsToPixels(10, kButtonsTop, 40, 15, kBaseUnits);
inline constexpr PixelRect kCancelRect = dialogUnitsToPixels(55, kButtonsTop, 40, 15, kBaseUnits);
}  // namespace properties_dialog

// "New entry from file": the template "NUOVA", in the properties dialog's font and units. A line
// that says what the file becomes, the name, the one further field the file's kind asks for (a
// screen's has none and is hidden), then Add, Insert and Cancel.
namespace new_entry_dialog {
inline constexpr DialogBaseUnits kBaseUnits = properties_dialog::kBaseUnits;
inline constexpr PixelRect kAboutRect = dialogUnitsToPixels(10, 8, 160, 13, kBaseUnits);
inline constexpr PixelRect kNameLabelRect = dialogUnitsToPixels(10, 26, 38, 13, kBaseUnits);
inline constexpr PixelRect kNameRect = dialogUnitsToPixels(50, 26, 65, 13, kBaseUnits);
inline constexpr PixelRect kFieldLabelRect = dialogUnitsToPixels(10, 44, 38, 13, kBaseUnits);
inline constexpr PixelRect kFieldRect = dialogUnitsToPixels(50, 44, 45, 13, kBaseUnits);
inline constexpr int kButtonsTop = 66;
inline constexpr PixelRect kSize = dialogUnitsToPixels(0, 0, 180, kButtonsTop + 22, kBaseUnits);
inline constexpr PixelRect kAddRect = dialogUnitsToPixels(10, kButtonsTop, 50, 15, kBaseUnits);
inline constexpr PixelRect kInsertRect = dialogUnitsToPixels(65, kButtonsTop, 50, 15, kBaseUnits);
inline constexpr PixelRect kCancelRect = dialogUnitsToPixels(120, kButtonsTop, 50, 15, kBaseUnits);
}  // namespace new_entry_dialog

// The entry viewer: a screen is shown at twice its size, and the window opens wide enough for it
// to fit its tab without scrolling.
namespace entry_viewer {
inline constexpr int kScreenScale = 2;
inline constexpr int kWidthBesideScreen = 80;
inline constexpr int kHeight = 760;
}  // namespace entry_viewer

}  // namespace murax
