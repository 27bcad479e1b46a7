// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seam/window_look.h"

namespace murax {

// Where a window opens, in screen pixels, its frame included. Every rule keeps the window within
// the work area (the screen less its task bars), so that none opens under a task bar or runs off
// the screen, whatever the size of the screen.

// `window` moved as little as it takes to lie within `workArea`; cut to the work area's size
// where it is larger.
PixelRect keptWithin(PixelRect window, const PixelRect& workArea);

// A window `width` x `height` centred over `owner`, then kept within `workArea`.
PixelRect centredOver(const PixelRect& owner, int width, int height, const PixelRect& workArea);

// A window `width` x `height` beside `owner`, its top level with the owner's: against the owner's
// right edge where it fits there, else against its left edge where it fits there, else on the
// side with more room as far out as the work area allows, so that it covers as little of the
// owner as it can. Kept within `workArea`.
PixelRect besideWithin(const PixelRect& owner, int width, int height, const PixelRect& workArea);

}  // namespace murax
