// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace murax {

// Maps the Windows font families the program names to fonts a Linux desktop has: Liberation Mono
// is metric-compatible with "Courier New" (a character still advances 8 pixels at 10 pt) and
// draws every character a tape byte shows as; DejaVu Sans Mono is the fallback where it is
// missing; Liberation Sans stands in for "MS Sans Serif" and "Segoe UI" (DejaVu Sans is wider and
// clips short labels). Call once, before any window is built.
void installFontSubstitutions();

// "Courier New" 10 pt: the main window's font, used by the block list and the column title band.
QFont mainWindowFont();

// The standard user-interface font, 12 pixels high: the status bar's font.
QFont statusBarFont();

}  // namespace murax
