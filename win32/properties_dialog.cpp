// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/properties_dialog.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "seam/window_look.h"
#include "seam/window_placement.h"
#include "tape/commands/header_edit.h"
#include "tape/commands/name_field.h"
#include "win32/procedure_errors.h"
#include "win32/resource_ids.h"
#include "win32/window_painting.h"
#include "win32/window_places.h"

namespace murax {
namespace {

// An edit field of the dialog and what it last held that its rule took.
struct CheckedField {
    int id;
    std::u32string shown;
    std::size_t maxLength;
    std::function<bool(std::u32string_view)> takes;
};

struct NameDialog {
    Desktop& desktop;
    PropertiesForm form;
    std::vector<CheckedField> fields;  // the name field first
    std::optional<PropertiesForm> saved;
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

// The dialog's own texts (labels, type names, numbers) are ASCII.
std::wstring wideFromAscii(const std::string& text)
{
    return toUtf16(std::u32string(text.begin(), text.end()));
}

// The header fields hold digits and letters alone.
std::string asciiOf(std::u32string_view text)
{
    std::string ascii;
    for (const char32_t c : text)
        if (c < 0x80)
            ascii += static_cast<char>(c);
    return ascii;
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

std::u32string fieldText(HWND dialog, int id)
{
    HWND field = GetDlgItem(dialog, id);
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(field)), L'\0');
    GetWindowTextW(field, wide.data(), static_cast<int>(wide.size() + 1));
    return fromUtf16(wide);
}

// A change the field may not hold (a character its rule refuses, typed or pasted, or more
// characters than it has room for) is taken back whole.
void checkChange(HWND dialog, NameDialog& dialogState, CheckedField& state)
{
    const std::u32string now = fieldText(dialog, state.id);
    if (now == state.shown)
        return;
    if (now.size() <= state.maxLength && state.takes(now)) {
        state.shown = now;
        return;
    }
    if (now.size() > state.maxLength)
        dialogState.desktop.beep();
    HWND field = GetDlgItem(dialog, state.id);
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
    placeControl(GetDlgItem(dialog, MURAX_ID_TYPE_LABEL), kTypeLabelRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_TYPE), kTypeRect, dpi);
    for (int row = 0; row < kFieldRows; ++row) {
        placeControl(GetDlgItem(dialog, MURAX_ID_FIELD_LABEL + row), rowLabelRect(row), dpi);
        placeControl(GetDlgItem(dialog, MURAX_ID_FIELD + row), rowFieldRect(row), dpi);
    }
    placeControl(GetDlgItem(dialog, MURAX_ID_SAVE), kSaveRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_CANCEL), kCancelRect, dpi);
}

int selectedType(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageW(dialog, MURAX_ID_TYPE, CB_GETCURSEL, 0, 0));
}

void enableFieldsOfType(HWND dialog)
{
    const int type = selectedType(dialog);
    for (std::size_t i = 0; i < kHeaderFields.size(); ++i)
        EnableWindow(GetDlgItem(dialog, MURAX_ID_FIELD + static_cast<int>(i)),
                     typeHasField(type, kHeaderFields[i]) ? TRUE : FALSE);
}

INT_PTR handleName(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            layOut(dialog);
            const auto& state = *reinterpret_cast<NameDialog*>(lParam);
            // The control's own limit keeps as much of a paste as fits, as every edit field
            // does; the check of each change would otherwise refuse it whole.
            for (const CheckedField& checked : state.fields) {
                HWND field = GetDlgItem(dialog, checked.id);
                SendMessageW(field, EM_SETLIMITTEXT, checked.maxLength, 0);
                SetWindowTextW(field, toUtf16(checked.shown).c_str());
            }
            HWND type = GetDlgItem(dialog, MURAX_ID_TYPE);
            for (int t = 0; t < kHeaderTypeCount; ++t)
                SendMessageW(type, CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(wideFromAscii(headerTypeName(t)).c_str()));
            SendMessageW(type, CB_SETCURSEL, static_cast<WPARAM>(state.form.type), 0);
            for (std::size_t i = 0; i < kHeaderFields.size(); ++i)
                SetDlgItemTextW(dialog, MURAX_ID_FIELD_LABEL + static_cast<int>(i),
                                wideFromAscii(headerFieldLabel(kHeaderFields[i])).c_str());
            SetDlgItemTextW(dialog, MURAX_ID_DATA_LENGTH,
                            wideFromAscii(state.form.dataLength).c_str());
            enableFieldsOfType(dialog);
            HWND field = GetDlgItem(dialog, MURAX_ID_NAME_FIELD);
            SendMessageW(field, EM_SETSEL, 0, -1);
            SetFocus(field);
            return FALSE;  // the focus is set
        }
        auto* state = reinterpret_cast<NameDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (state == nullptr || message != WM_COMMAND)
            return FALSE;
        for (CheckedField& checked : state->fields)
            if (LOWORD(wParam) == checked.id) {
                if (HIWORD(wParam) == EN_CHANGE)
                    checkChange(dialog, *state, checked);
                return TRUE;
            }
        switch (LOWORD(wParam)) {
        case MURAX_ID_TYPE:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                enableFieldsOfType(dialog);
            return TRUE;
        case MURAX_ID_SAVE:
        case IDOK: {
            PropertiesForm saved = state->form;
            saved.name = nameFieldBytes(fieldText(dialog, MURAX_ID_NAME_FIELD));
            saved.type = selectedType(dialog);
            saved.fields.clear();
            for (std::size_t i = 0; i < kHeaderFields.size(); ++i)
                saved.fields.push_back(
                    asciiOf(fieldText(dialog, MURAX_ID_FIELD + static_cast<int>(i))));
            state->saved = std::move(saved);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
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

std::optional<PropertiesForm> askForProperties(HWND owner, Desktop& desktop,
                                               const PropertiesForm& form)
{
    NameDialog state{desktop, form, {}, std::nullopt};
    state.fields.push_back(
        {MURAX_ID_NAME_FIELD, nameFieldCharacters(form.name), form.nameLength,
         [&desktop](std::u32string_view text) { return nameFieldTakes(text, desktop); }});
    for (std::size_t i = 0; i < kHeaderFields.size(); ++i) {
        const HeaderField field = kHeaderFields[i];
        const std::string text = i < form.fields.size() ? form.fields[i] : std::string();
        state.fields.push_back(
            {MURAX_ID_FIELD + static_cast<int>(i), std::u32string(text.begin(), text.end()),
             headerFieldMaxLength(field), [&desktop, field](std::u32string_view typed) {
                 return headerFieldTakes(field, typed, desktop);
             }});
    }
    DialogBoxParamW(GetModuleHandleW(nullptr), L"MODIFICA", owner, nameProcedure,
                    reinterpret_cast<LPARAM>(&state));
    return state.saved;
}

}  // namespace murax
