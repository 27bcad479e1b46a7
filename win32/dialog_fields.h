// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include <windows.h>

#include "seam/window_look.h"

namespace murax {

class Desktop;

// What the small dialogs (properties, new entry) share: their edit fields that take only what a
// rule takes, their texts, and their controls' places.

// Text as the edit controls hold it, and back.
std::wstring toUtf16(std::u32string_view text);
std::u32string fromUtf16(std::wstring_view wide);
// The dialog's own texts (labels, type names, numbers) are ASCII.
std::wstring wideFromAscii(const std::string& text);
// The header fields hold digits and letters alone.
std::string asciiOf(std::u32string_view text);

std::u32string fieldText(HWND dialog, int id);

// An edit field of a dialog and what it last held that its rule took.
struct CheckedField {
    int id;
    std::u32string shown;
    std::size_t maxLength;
    std::function<bool(std::u32string_view)> takes;
};

// Puts the field's text and limit in its control. The control's own limit keeps as much of a
// paste as fits, as every edit field does; the check of each change would otherwise refuse it
// whole.
void showCheckedField(HWND dialog, const CheckedField& field);

// A change the field may not hold (a character its rule refuses, typed or pasted, or more
// characters than it has room for) is taken back whole; more characters than it has room for
// beep on `desktop` (the rule beeps for what it refuses).
void checkChange(HWND dialog, Desktop& desktop, CheckedField& field);

// A control put at its place in the look's pixels, scaled to the screen's dpi.
void placeControl(HWND control, const PixelRect& place, int dpi);

// The dialog at `size` in the look's pixels, whatever font stands in for the template's own (its
// dialog units follow the stand-in's measures), centred over the window that owns it.
void sizeAndCentreDialog(HWND dialog, const PixelRect& size, int dpi);

}  // namespace murax
