// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/message_pump.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "win32/resource_ids.h"
#include "win32/windows_desktop.h"

namespace murax {
namespace {

constexpr UINT kCounted = WM_APP + 7;
int countedMessages = 0;

LRESULT CALLBACK countingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kCounted)
        ++countedMessages;
    return DefWindowProcW(window, message, wParam, lParam);
}

// A plain window that counts the kCounted messages it is sent.
class CountingWindow {
public:
    CountingWindow()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = countingProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"MuraxCountingWindow";
        RegisterClassW(&windowClass);
        window_ = CreateWindowW(L"MuraxCountingWindow", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        countedMessages = 0;
    }
    ~CountingWindow() { DestroyWindow(window_); }
    HWND handle() const { return window_; }

private:
    HWND window_;
};

INT_PTR CALLBACK quietDialog(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

TEST(MessagePumpTest, DispatchesWhatIsWaitingAndLeavesAQuitForItsOwnLoop)
{
    const CountingWindow window;
    PostMessageW(window.handle(), kCounted, 0, 0);
    PostMessageW(window.handle(), kCounted, 0, 0);
    PostQuitMessage(5);
    dispatchPendingMessages();
    EXPECT_EQ(countedMessages, 2);
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 5u);
}

// Tab in a dialog moves the focus on, as it does in the dialog's own loop: without the dialog
// manager the name field would take the key itself and the focus would stay.
TEST(MessagePumpTest, KeysForADialogGoThroughTheDialogManager)
{
    const HWND dialog =
        CreateDialogParamW(GetModuleHandleW(nullptr), L"MODIFICA", nullptr, quietDialog, 0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    const HWND field = GetDlgItem(dialog, MURAX_ID_NAME_FIELD);
    SetFocus(field);
    dispatchPendingMessages();
    ASSERT_EQ(GetFocus(), field);
    PostMessageW(field, WM_KEYDOWN, VK_TAB, 0x000F0001);
    dispatchPendingMessages();
    EXPECT_EQ(GetFocus(), GetNextDlgTabItem(dialog, field, FALSE));
    EXPECT_NE(GetFocus(), field);
    DestroyWindow(dialog);
}

// The hex editor's wait keeps the windows answering, and gives the program's exit code back.
TEST(MessagePumpTest, RunAndWaitDispatchesWhileItWaitsForTheExitCode)
{
    const CountingWindow window;
    WindowsDesktop desktop;
    PostMessageW(window.handle(), kCounted, 0, 0);
    EXPECT_EQ(desktop.runAndWait("cmd.exe /c exit 7", 5), 7);
    EXPECT_EQ(countedMessages, 1);
    EXPECT_EQ(desktop.runAndWait("C:\\no\\such\\hexeditor.exe file", 5), Desktop::NotStarted);
}

}  // namespace
}  // namespace murax
