// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/item_choice_dialog.h"

#include <algorithm>

namespace murax {
namespace {

// The controls, in dialog units: the label above, the list below it, the buttons at the foot.
constexpr short kWidth = 260, kMargin = 7, kLineHeight = 10;
constexpr short kListHeight = 14, kButtonWidth = 50, kButtonHeight = 14;
constexpr WORD kLabelId = 100, kListId = 101;
// The class atoms of the system's controls in a dialog template.
constexpr WORD kButtonClass = 0x0080, kStaticClass = 0x0082, kComboBoxClass = 0x0085;

// A DLGTEMPLATE and its items, written word by word as the dialog manager reads them.
class TemplateWriter {
public:
    void dialog(DWORD style, short cx, short cy, const std::wstring& title, WORD items)
    {
        dword(style);
        dword(0);
        words_.push_back(items);
        for (const short value : {short{0}, short{0}, cx, cy})
            words_.push_back(static_cast<WORD>(value));
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the dialog class
        text(title);
        words_.push_back(8);  // DS_SETFONT: the points and the face
        text(L"MS Shell Dlg");
    }

    void item(WORD atom, WORD id, DWORD style, short x, short y, short cx, short cy,
              const std::wstring& title)
    {
        if (words_.size() % 2 != 0)  // each item starts on a DWORD
            words_.push_back(0);
        dword(style | WS_CHILD | WS_VISIBLE);
        dword(0);
        for (const short value : {x, y, cx, cy})
            words_.push_back(static_cast<WORD>(value));
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(atom);
        text(title);
        words_.push_back(0);  // no creation data
    }

    LPCDLGTEMPLATEW get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(words_.data()); }

private:
    void dword(DWORD value)
    {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void text(const std::wstring& value)
    {
        words_.insert(words_.end(), value.begin(), value.end());
        words_.push_back(0);
    }

    std::vector<WORD> words_;
};

struct Choice {
    const std::vector<std::wstring>& items;
    std::size_t current;
    std::optional<std::size_t> chosen;
};

// The label as tall as its text wrapped to its width; the controls below it move down by what
// it grew, and the dialog with them.
void fitLabel(HWND dialog)
{
    const HWND label = GetDlgItem(dialog, kLabelId);
    RECT place{};
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    wchar_t text[4096] = {};
    GetWindowTextW(label, text, 4096);
    RECT needed{0, 0, place.right - place.left, 0};
    const HDC dc = GetDC(label);
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    ReleaseDC(label, dc);
    const int grown =
        std::max(0, static_cast<int>(needed.bottom) - static_cast<int>(place.bottom - place.top));
    if (grown == 0)
        return;
    SetWindowPos(label, nullptr, 0, 0, place.right - place.left, needed.bottom,
                 SWP_NOMOVE | SWP_NOZORDER);
    for (const int id : {static_cast<int>(kListId), IDOK, IDCANCEL}) {
        const HWND control = GetDlgItem(dialog, id);
        RECT at{};
        GetWindowRect(control, &at);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&at), 2);
        SetWindowPos(control, nullptr, at.left, at.top + grown, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    RECT frame{};
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + grown,
                 SWP_NOMOVE | SWP_NOZORDER);
}

INT_PTR CALLBACK choiceProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto& choice = *reinterpret_cast<const Choice*>(lParam);
        const HWND list = GetDlgItem(dialog, kListId);
        for (const std::wstring& item : choice.items)
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        const std::size_t first = choice.current < choice.items.size() ? choice.current : 0;
        SendMessageW(list, CB_SETCURSEL, first, 0);
        fitLabel(dialog);
        return TRUE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id != IDOK && id != IDCANCEL)
            return FALSE;
        auto& choice = *reinterpret_cast<Choice*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (id == IDOK) {
            const LRESULT chosen = SendMessageW(GetDlgItem(dialog, kListId), CB_GETCURSEL, 0, 0);
            if (chosen != CB_ERR)
                choice.chosen = static_cast<std::size_t>(chosen);
        }
        EndDialog(dialog, id);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

}  // namespace

std::optional<std::size_t> runItemChoiceDialog(HWND owner, const std::wstring& title,
                                               const std::wstring& label,
                                               const std::vector<std::wstring>& items,
                                               std::size_t current)
{
    const short lines = static_cast<short>(1 + std::count(label.begin(), label.end(), L'\n'));
    const short labelHeight = static_cast<short>(lines * kLineHeight);
    const short listTop = static_cast<short>(kMargin + labelHeight + 3);
    const short buttonsTop = static_cast<short>(listTop + kListHeight + 7);
    const short innerWidth = kWidth - 2 * kMargin;
    // A drop-down list's height in a template is that of the list it opens.
    const short openListHeight =
        static_cast<short>(kListHeight + kLineHeight * std::min<std::size_t>(items.size(), 12));

    TemplateWriter writer;
    writer.dialog(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                  kWidth, static_cast<short>(buttonsTop + kButtonHeight + kMargin), title, 4);
    writer.item(kStaticClass, kLabelId, SS_LEFT | SS_NOPREFIX, kMargin, kMargin, innerWidth,
                labelHeight, label);
    writer.item(kComboBoxClass, kListId, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kMargin,
                listTop, innerWidth, openListHeight, L"");
    writer.item(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP,
                kWidth - kMargin - 2 * kButtonWidth - 4, buttonsTop, kButtonWidth, kButtonHeight,
                L"OK");
    writer.item(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, kWidth - kMargin - kButtonWidth,
                buttonsTop, kButtonWidth, kButtonHeight, L"Cancel");

    Choice choice{items, current, std::nullopt};
    if (DialogBoxIndirectParamW(GetModuleHandleW(nullptr), writer.get(), owner, choiceProcedure,
                                reinterpret_cast<LPARAM>(&choice)) != IDOK)
        return std::nullopt;
    return choice.chosen;
}

}  // namespace murax
