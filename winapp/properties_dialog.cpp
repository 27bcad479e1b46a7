// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winapp/properties_dialog.h"

#include <algorithm>

#include "seam/window_look.h"
#include "seam/window_placement.h"
#include "tape/commands/name_field.h"
#include "winapp/procedure_errors.h"
#include "winapp/resource_ids.h"
#include "winapp/window_painting.h"
#include "winapp/window_places.h"

namespace murax {
namespace {

struct NameDialog {
    Desktop& desktop;
    std::u32string shown;  // what the field holds, every character one that stands for a byte
    std::size_t maxLength;
    std::optional<std::string> bytes;
};

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

std::u32string fieldText(HWND dialog)
{
    HWND field = GetDlgItem(dialog, MURAX_ID_NAME_FIELD);
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(field)), L'\0');
    GetWindowTextW(field, wide.data(), static_cast<int>(wide.size() + 1));
    return fromUtf16(wide);
}

// A change the field may not hold (a character that stands for no byte, typed or pasted, or
// more characters than the name has room for) is taken back whole.
void checkChange(HWND dialog, NameDialog& state)
{
    const std::u32string now = fieldText(dialog);
    if (now == state.shown)
        return;
    if (now.size() <= state.maxLength && nameFieldTakes(now, state.desktop)) {
        state.shown = now;
        return;
    }
    if (now.size() > state.maxLength)
        state.desktop.beep();
    HWND field = GetDlgItem(dialog, MURAX_ID_NAME_FIELD);
    DWORD caret = 0;
    SendMessageW(field, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    SetWindowTextW(field, toUtf16(state.shown).c_str());
    const auto back = static_cast<WPARAM>(std::min<std::size_t>(caret, state.shown.size()));
    SendMessageW(field, EM_SETSEL, back, static_cast<LPARAM>(back));
}

void placeControl(HWND control, const PixelRect& place, int dpi)
{
    SetWindowPos(control, nullptr, scaledPixels(place.x, dpi), scaledPixels(place.y, dpi),
                 scaledPixels(place.width, dpi), scaledPixels(place.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The template's size and places at the look's pixels, whatever font stands in for the
// template's own (its dialog units follow the stand-in's measures), the dialog centred over the
// window that owns it.
void layOut(HWND dialog)
{
    using namespace properties_dialog;
    const int dpi = screenDpi();
    const SIZE frame = frameSizeFor(scaledPixels(kSize.width, dpi), scaledPixels(kSize.height, dpi),
                                    static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)),
                                    static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    HWND owner = GetWindow(dialog, GW_OWNER);
    const PixelRect work = workAreaOf(owner != nullptr ? owner : dialog);
    placeWindow(dialog, centredOver(owner != nullptr ? screenRectOf(owner) : work, frame.cx,
                                    frame.cy, work));
    placeControl(GetDlgItem(dialog, MURAX_ID_NAME_LABEL), kLabelRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_NAME_FIELD), kFieldRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_SAVE), kSaveRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_CANCEL), kCancelRect, dpi);
}

INT_PTR handleName(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            layOut(dialog);
            const auto& state = *reinterpret_cast<NameDialog*>(lParam);
            HWND field = GetDlgItem(dialog, MURAX_ID_NAME_FIELD);
            // The control's own limit keeps as much of a paste as fits, as every edit field
            // does; the check of each change would otherwise refuse it whole.
            SendMessageW(field, EM_SETLIMITTEXT, state.maxLength, 0);
            SetWindowTextW(field, toUtf16(state.shown).c_str());
            SendMessageW(field, EM_SETSEL, 0, -1);
            SetFocus(field);
            return FALSE;  // the focus is set
        }
        auto* state = reinterpret_cast<NameDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (state == nullptr || message != WM_COMMAND)
            return FALSE;
        switch (LOWORD(wParam)) {
        case MURAX_ID_NAME_FIELD:
            if (HIWORD(wParam) == EN_CHANGE)
                checkChange(dialog, *state);
            return TRUE;
        case MURAX_ID_SAVE:
        case IDOK:
            state->bytes = nameFieldBytes(fieldText(dialog));
            EndDialog(dialog, IDOK);
            return TRUE;
        case MURAX_ID_CANCEL:
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    }
}

INT_PTR CALLBACK nameProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return handledReportingErrors([&] { return handleName(dialog, message, wParam, lParam); },
                                  INT_PTR{FALSE});
}

}  // namespace

std::optional<std::string> askForName(HWND owner, Desktop& desktop, const std::string& fieldText,
                                      std::size_t maxLength)
{
    NameDialog state{desktop, nameFieldCharacters(fieldText), maxLength, std::nullopt};
    DialogBoxParamW(GetModuleHandleW(nullptr), L"MODIFICA", owner, nameProcedure,
                    reinterpret_cast<LPARAM>(&state));
    return state.bytes;
}

}  // namespace murax
