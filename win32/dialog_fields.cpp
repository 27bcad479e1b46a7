// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/dialog_fields.h"

#include <algorithm>

#include "seam/desktop_services.h"
#include "seam/window_placement.h"
#include "win32/window_painting.h"
#include "win32/window_places.h"

namespace murax {

std::wstring toUtf16(std::u32string_view text)
{
    std::wstring wide;
    for (const char32_t c : text) {
        if (c > 0xFFFF) {
            wide += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(c);
        }
    }
    return wide;
}

std::u32string fromUtf16(std::wstring_view wide)
{
    std::u32string text;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char32_t unit = wide[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < wide.size()) {
            text += 0x10000 + ((unit - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else {
            text += unit;
        }
    }
    return text;
}

std::wstring wideFromAscii(const std::string& text)
{
    return toUtf16(std::u32string(text.begin(), text.end()));
}

std::string asciiOf(std::u32string_view text)
{
    std::string ascii;
    for (const char32_t c : text)
        if (c < 0x80)
            ascii += static_cast<char>(c);
    return ascii;
}

std::u32string fieldText(HWND dialog, int id)
{
    HWND field = GetDlgItem(dialog, id);
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(field)), L'\0');
    GetWindowTextW(field, wide.data(), static_cast<int>(wide.size() + 1));
    return fromUtf16(wide);
}

void showCheckedField(HWND dialog, const CheckedField& field)
{
    HWND control = GetDlgItem(dialog, field.id);
    SendMessageW(control, EM_SETLIMITTEXT, field.maxLength, 0);
    SetWindowTextW(control, toUtf16(field.shown).c_str());
}

void checkChange(HWND dialog, Desktop& desktop, CheckedField& field)
{
    const std::u32string now = fieldText(dialog, field.id);
    if (now == field.shown)
        return;
    if (now.size() <= field.maxLength && field.takes(now)) {
        field.shown = now;
        return;
    }
    if (now.size() > field.maxLength)
        desktop.beep();
    HWND control = GetDlgItem(dialog, field.id);
    DWORD caret = 0;
    SendMessageW(control, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    SetWindowTextW(control, toUtf16(field.shown).c_str());
    const auto back = static_cast<WPARAM>(std::min<std::size_t>(caret, field.shown.size()));
    SendMessageW(control, EM_SETSEL, back, static_cast<LPARAM>(back));
}

void placeControl(HWND control, const PixelRect& place, int dpi)
{
    SetWindowPos(control, nullptr, scaledPixels(place.x, dpi), scaledPixels(place.y, dpi),
                 scaledPixels(place.width, dpi), scaledPixels(place.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void sizeAndCentreDialog(HWND dialog, const PixelRect& size, int dpi)
{
    const SIZE frame = frameSizeFor(scaledPixels(size.width, dpi), scaledPixels(size.height, dpi),
                                    static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)),
                                    static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    HWND owner = GetWindow(dialog, GW_OWNER);
    const PixelRect work = workAreaOf(owner != nullptr ? owner : dialog);
    placeWindow(dialog, centredOver(owner != nullptr ? screenRectOf(owner) : work, frame.cx,
                                    frame.cy, work));
}

}  // namespace murax
