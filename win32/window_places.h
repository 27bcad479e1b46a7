// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include "seam/window_look.h"

namespace murax {

// The system's side of placing windows (seam/window_placement.h holds the rules): where a window
// is on the screen, the work area of the monitor it is on, and a move there.

// The window's frame on the screen.
PixelRect screenRectOf(HWND window);

// The work area (the screen less its task bars) of the monitor that holds most of `window`; the
// primary monitor's for no window.
PixelRect workAreaOf(HWND window);

// The outer size of a window of `style` and `extendedStyle` whose client area is `width` x
// `height`.
SIZE frameSizeFor(int width, int height, DWORD style, DWORD extendedStyle);

// Moves and sizes `window` to `place`, leaving its place in the z-order and its activation alone.
void placeWindow(HWND window, const PixelRect& place);

}  // namespace murax
