// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the main window until the real one (toolbar, title band, status bar, commands)
// takes its place: the template MURAX with its icon and title, showing the tape's lines; Esc and
// the close box end it. It runs no command.
#include <windows.h>

#include "seam/window_services.h"
#include "support/platform/wide_text_windows.h"
#include "winapp/resource_ids.h"
#include "winapp/windows_window.h"

namespace murax {
namespace {

constexpr int kRowHeight = 16;  // a line of "Courier New" 10 pt at 96 dpi

INT_PTR CALLBACK scaffoldProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        const auto& list = *reinterpret_cast<const BlockList*>(lParam);
        SetWindowTextW(window, wideText(kWindowTitle).c_str());
        SetClassLongPtrW(window, GCLP_HICON,
                         reinterpret_cast<LONG_PTR>(LoadIconW(GetModuleHandleW(nullptr), L"ICONA")));
        SendDlgItemMessageW(window, MURAX_ID_BLOCK_LIST, LB_SETCOUNT, list.lines().size(), 0);
        return TRUE;
    }
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kRowHeight;
        return TRUE;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const auto* list = reinterpret_cast<const BlockList*>(GetWindowLongPtrW(window, DWLP_USER));
        const bool selected = (item->itemState & ODS_SELECTED) != 0;
        FillRect(item->hDC, &item->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (list != nullptr && item->itemID < list->lines().size()) {
            const std::string_view line = list->lines()[item->itemID].view();
            SetBkMode(item->hDC, TRANSPARENT);
            SetTextColor(item->hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            TextOutA(item->hDC, item->rcItem.left, item->rcItem.top, line.data(), static_cast<int>(line.size()));
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(window, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void runWindowsWindow(AppContext&, BlockList& list)
{
    DialogBoxParamW(GetModuleHandleW(nullptr), L"MURAX", nullptr, scaffoldProcedure,
                    reinterpret_cast<LPARAM>(&list));
}

}  // namespace murax
