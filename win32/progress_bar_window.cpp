// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/progress_bar_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "support/platform/wide_text_windows.h"
#include "win32/dialog_template.h"
#include "win32/message_pump.h"

namespace murax {
namespace {

// The controls, in dialog units: the file's name on one line (its path shortened in the middle
// when it does not fit), the bar under it, Cancel at the foot.
constexpr short kWidth = 240, kMargin = 7, kTextHeight = 10, kBarHeight = 10;
constexpr short kButtonWidth = 50, kButtonHeight = 14;
constexpr WORD kTextId = 100, kBarId = 101;
// The steps of the bar: finer than any bar is wide.
constexpr int kSteps = 1000;

}  // namespace

ProgressBarWindow::ProgressBarWindow(HWND owner, const std::string& title, const std::string& text)
    : owner_(owner), ownerWasEnabled_(owner != nullptr && IsWindowEnabled(owner))
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    constexpr short barTop = kMargin + kTextHeight + 4;
    constexpr short buttonTop = barTop + kBarHeight + 7;
    DialogTemplate form;
    form.dialog(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, kWidth,
                buttonTop + kButtonHeight + kMargin, wideText(title), 3);
    form.item(kStaticClass, kTextId, SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, kMargin, kMargin,
              kWidth - 2 * kMargin, kTextHeight, wideText(text));
    form.item(PROGRESS_CLASSW, kBarId, 0, kMargin, barTop, kWidth - 2 * kMargin, kBarHeight, L"");
    form.item(kButtonClass, IDCANCEL, BS_DEFPUSHBUTTON | WS_TABSTOP, (kWidth - kButtonWidth) / 2,
              buttonTop, kButtonWidth, kButtonHeight, L"Cancel");
    dialog_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), form.get(), owner, procedure,
                                         reinterpret_cast<LPARAM>(this));
    if (dialog_ == nullptr)
        return;  // the task goes on without a bar
    SendDlgItemMessageW(dialog_, kBarId, PBM_SETRANGE32, 0, kSteps);
    if (ownerWasEnabled_)
        EnableWindow(owner_, FALSE);
    ShowWindow(dialog_, SW_SHOW);
    dispatchPendingMessages();
}

ProgressBarWindow::~ProgressBarWindow()
{
    // The owner is enabled before the bar goes, so that the activation goes back to it.
    if (ownerWasEnabled_)
        EnableWindow(owner_, TRUE);
    if (dialog_ != nullptr)
        DestroyWindow(dialog_);
}

bool ProgressBarWindow::advance(double fraction)
{
    if (dialog_ != nullptr)
        SendDlgItemMessageW(
            dialog_, kBarId, PBM_SETPOS,
            static_cast<WPARAM>(std::lround(std::clamp(fraction, 0.0, 1.0) * kSteps)), 0);
    dispatchPendingMessages();
    return !cancelled_;
}

INT_PTR CALLBACK ProgressBarWindow::procedure(HWND dialog, UINT message, WPARAM wParam,
                                              LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    case WM_COMMAND:
        // Cancel, Esc and the close box all come as IDCANCEL.
        if (LOWORD(wParam) != IDCANCEL)
            return FALSE;
        if (auto* self = reinterpret_cast<ProgressBarWindow*>(GetWindowLongPtrW(dialog, DWLP_USER)))
            self->cancelled_ = true;
        EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace murax
