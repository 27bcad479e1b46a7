// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/properties_dialog.h"

#include <functional>
#include <vector>

#include "seam/window_look.h"
#include "tape/commands/header_edit.h"
#include "tape/commands/name_field.h"
#include "win32/dialog_fields.h"
#include "win32/procedure_errors.h"
#include "win32/resource_ids.h"
#include "win32/window_painting.h"

namespace murax {
namespace {

struct NameDialog {
    Desktop& desktop;
    PropertiesForm form;
    std::vector<CheckedField> fields;  // the name field first
    std::optional<PropertiesForm> saved;
};

// The template's size and places at the look's pixels, whatever font stands in for the
// template's own (its dialog units follow the stand-in's measures), the dialog centred over the
// window that owns it.
void layOut(HWND dialog)
{
    using namespace properties_dialog;
    const int dpi = screenDpi();
    sizeAndCentreDialog(dialog, kSize, dpi);
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
            for (const CheckedField& checked : state.fields)
                showCheckedField(dialog, checked);
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
                    checkChange(dialog, state->desktop, checked);
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
