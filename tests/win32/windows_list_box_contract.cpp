// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "tests/seam/list_box_contract.h"
#include "win32/message_pump.h"
#include "win32/resource_ids.h"
#include "win32/windows_list_box.h"

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

// Ctrl+A, typed in the box as the system sends it (the key, then the character it types),
// selects every row and leaves the current row as it was, none after a reload.
TEST(WindowsListBoxKeys, CtrlASelectsEveryRowAndLeavesTheCurrentRow)
{
    struct Case {
        const char* what;
        int selectedBefore;
        bool shift;
        std::vector<int> selected;
        int current;
    };
    const Case cases[] = {
        {"after a reload", 0, false, {1, 2, 3}, 0},
        {"with row 2 current", 2, false, {1, 2, 3}, 2},
        {"with Shift held too: nothing", 2, true, {2}, 2},
    };
    for (const Case& c : cases) {
        WindowsListBoxHarness harness;
        harness.listBox.reload(DisplayLines{DisplayLine("a"), DisplayLine("b"), DisplayLine("c")});
        harness.listBox.select(c.selectedBefore);
        BYTE keys[256] = {};
        keys[VK_CONTROL] = 0x80;
        keys[VK_SHIFT] = c.shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(harness.listBox.handle(), WM_KEYDOWN, 'A', 1);
        for (int pass = 0; pass < 5; ++pass)
            dispatchPendingMessages();
        keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        EXPECT_EQ(harness.listBox.selectedPositions(), c.selected) << c.what;
        EXPECT_EQ(harness.listBox.currentPosition(), c.current) << c.what;
    }
}

}  // namespace
}  // namespace murax::testing
