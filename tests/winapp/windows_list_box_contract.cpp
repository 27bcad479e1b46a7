// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "tests/seam/list_box_contract.h"
#include "winapp/resource_ids.h"
#include "winapp/windows_list_box.h"

namespace murax::testing {
namespace {

INT_PTR CALLBACK rowsSixteenHigh(HWND, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_MEASUREITEM) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 16;
        return TRUE;
    }
    return message == WM_INITDIALOG || message == WM_DRAWITEM ? TRUE : FALSE;
}

// The block list box of the main window's own template, on the screen, so that reloads and
// selections lay out and scroll as they do in the program; its owner draws nothing.
struct WindowsListBoxHarness {
    WindowsListBoxHarness()
        : dialog(
              CreateDialogParamW(GetModuleHandleW(nullptr), L"MURAX", nullptr, rowsSixteenHigh, 0)),
          listBox(GetDlgItem(dialog, MURAX_ID_BLOCK_LIST))
    {
        ShowWindow(dialog, SW_SHOWNOACTIVATE);
    }
    ~WindowsListBoxHarness() { DestroyWindow(dialog); }
    HWND dialog;
    WindowsListBox listBox;
    ListBox& box() { return listBox; }
    bool redraws() const { return listBox.redraws(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Windows, ListBoxContract, ::testing::Types<WindowsListBoxHarness>);

}  // namespace
}  // namespace murax::testing
