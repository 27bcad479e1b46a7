// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

#include <commctrl.h>

#include "seam/window_look.h"

namespace murax {

// The GDI side of the window's look: its fonts at the screen's resolution, and the parts the
// window draws itself (the rows of the list, the column title band, the status bar), all from
// the numbers in the look header, scaled from 96 dpi; and what the program's own windows that are
// not dialogs (the entry viewer, the play window) look like alike.

// Pixels at 96 dpi made pixels at `dpi`.
int scaledPixels(int pixels, int dpi);
// The screen's resolution in dots per inch.
int screenDpi();

// The font `look` names, or `substitute` where the system lacks that family (Wine has no Courier
// New: Liberation Mono, made to the same measures, stands in). The caller deletes it.
HFONT createFontOrSubstitute(const FontLook& look, const wchar_t* substitute, int dpi);

// The system's font for dialogs' texts, already at the screen's resolution. The caller deletes it.
HFONT messageFont();

// Registers the window class `name`, unless it is already: the arrow cursor, the dialogs' face as
// background and, where `withIcon`, the program's icon.
void registerWindowClass(const wchar_t* name, WNDPROC procedure, bool withIcon = true);

// UTF-8 text with its line breaks as the edit and static controls show them: CR LF.
std::wstring controlText(const std::string& utf8);

// The characters that show a line of tape bytes, one UTF-16 unit per byte where the display
// character set allows it, and the advance of each: every byte one list cell wide.
struct RowText {
    std::wstring characters;
    std::basic_string<INT> advances;
};
RowText rowText(std::string_view bytes, int cellWidth);

// One row of the block list: its line in the list font, in the selection's colours when
// selected, with the focus frame where the row is the current one.
void paintListRow(const DRAWITEMSTRUCT& item, std::string_view line, bool current, int dpi);

// The column title band across the window's client area, in `font`.
void paintTitleBand(HDC dc, HFONT font, int clientWidth, int dpi);

// The toolbar's bar over `client`, its own client area: the flat background and the black line
// along its bottom, under the cells.
void paintToolbarBar(HDC dc, const RECT& client, int dpi);

// A toolbar button in its `cell`: the hover fill while `hovered`, picture `image` of `images`, and
// for a button with a menu the drop-down triangle and, while hovered, the lines that set its
// drop-down part off.
void paintToolbarButton(HDC dc, const RECT& cell, HIMAGELIST images, int image, bool hasMenu,
                        bool hovered, int dpi);

// The status bar's band along `bar` with `text` (UTF-8) at its left, in `font`.
void paintStatusBar(HDC dc, HFONT font, const RECT& bar, const std::string& text, int dpi);

}  // namespace murax
