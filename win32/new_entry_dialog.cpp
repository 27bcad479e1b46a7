// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/new_entry_dialog.h"

#include <vector>

#include "seam/window_look.h"
#include "support/platform/wide_text_windows.h"
#include "tape/commands/header_edit.h"
#include "tape/commands/name_field.h"
#include "win32/dialog_fields.h"
#include "win32/procedure_errors.h"
#include "win32/resource_ids.h"
#include "win32/window_painting.h"

namespace murax {
namespace {

struct NewEntryDialog {
    Desktop& desktop;
    NewEntryForm form;
    std::vector<CheckedField> fields;  // the name field, then the further field if there is one
    std::optional<NewEntryForm> chosen;
};

bool hasField(const NewEntryForm& form)
{
    return form.field >= 0 && static_cast<std::size_t>(form.field) < kHeaderFields.size();
}

void layOut(HWND dialog)
{
    using namespace new_entry_dialog;
    const int dpi = screenDpi();
    sizeAndCentreDialog(dialog, kSize, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_ABOUT), kAboutRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_NEW_NAME_LABEL), kNameLabelRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_NAME_FIELD), kNameRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_NEW_FIELD_LABEL), kFieldLabelRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_NEW_FIELD), kFieldRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_ADD), kAddRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_INSERT), kInsertRect, dpi);
    placeControl(GetDlgItem(dialog, MURAX_ID_CANCEL), kCancelRect, dpi);
}

void fillIn(HWND dialog, const NewEntryDialog& state)
{
    layOut(dialog);
    SetDlgItemTextW(dialog, MURAX_ID_ABOUT, wideText(state.form.about).c_str());
    for (const CheckedField& checked : state.fields)
        showCheckedField(dialog, checked);
    if (hasField(state.form)) {
        const HeaderField field = kHeaderFields[static_cast<std::size_t>(state.form.field)];
        SetDlgItemTextW(dialog, MURAX_ID_NEW_FIELD_LABEL,
                        wideFromAscii(headerFieldLabel(field)).c_str());
    } else {
        ShowWindow(GetDlgItem(dialog, MURAX_ID_NEW_FIELD_LABEL), SW_HIDE);
        ShowWindow(GetDlgItem(dialog, MURAX_ID_NEW_FIELD), SW_HIDE);
    }
    HWND name = GetDlgItem(dialog, MURAX_ID_NAME_FIELD);
    SendMessageW(name, EM_SETSEL, 0, -1);
    SetFocus(name);
}

void closeWith(HWND dialog, NewEntryDialog& state, bool insert)
{
    NewEntryForm chosen = state.form;
    chosen.name = nameFieldBytes(fieldText(dialog, MURAX_ID_NAME_FIELD));
    if (hasField(chosen))
        chosen.fieldText = asciiOf(fieldText(dialog, MURAX_ID_NEW_FIELD));
    chosen.insert = insert;
    state.chosen = std::move(chosen);
    EndDialog(dialog, IDOK);
}

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        fillIn(dialog, *reinterpret_cast<NewEntryDialog*>(lParam));
        return FALSE;  // the focus is set
    }
    auto* state = reinterpret_cast<NewEntryDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (state == nullptr || message != WM_COMMAND)
        return FALSE;
    for (CheckedField& checked : state->fields)
        if (LOWORD(wParam) == checked.id) {
            if (HIWORD(wParam) == EN_CHANGE)
                checkChange(dialog, state->desktop, checked);
            return TRUE;
        }
    switch (LOWORD(wParam)) {
    case MURAX_ID_ADD:
    case IDOK:
        closeWith(dialog, *state, false);
        return TRUE;
    case MURAX_ID_INSERT:
        closeWith(dialog, *state, true);
        return TRUE;
    case MURAX_ID_CANCEL:
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return handledReportingErrors([&] { return handle(dialog, message, wParam, lParam); },
                                  INT_PTR{FALSE});
}

}  // namespace

std::optional<NewEntryForm> askForNewEntry(HWND owner, Desktop& desktop, const NewEntryForm& form)
{
    NewEntryDialog state{desktop, form, {}, std::nullopt};
    state.fields.push_back(
        {MURAX_ID_NAME_FIELD, nameFieldCharacters(form.name), form.nameLength,
         [&desktop](std::u32string_view text) { return nameFieldTakes(text, desktop); }});
    if (hasField(form)) {
        const HeaderField field = kHeaderFields[static_cast<std::size_t>(form.field)];
        state.fields.push_back(
            {MURAX_ID_NEW_FIELD, std::u32string(form.fieldText.begin(), form.fieldText.end()),
             headerFieldMaxLength(field), [&desktop, field](std::u32string_view typed) {
                 return headerFieldTakes(field, typed, desktop);
             }});
    }
    DialogBoxParamW(GetModuleHandleW(nullptr), L"NUOVA", owner, procedure,
                    reinterpret_cast<LPARAM>(&state));
    return state.chosen;
}

}  // namespace murax
