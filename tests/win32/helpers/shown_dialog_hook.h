// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <utility>

#include <windows.h>

#include "tests/win32/helpers/thread_windows.h"

namespace murax::testing {

// Answers a dialog of the test's thread the moment it is shown, in that thread itself: a hook on
// the thread's window messages hands the dialog with the given title to `answer` as it is told to
// show. Meant for a window that a task keeps open while it runs, such as a progress bar: what
// `answer` posts is carried out by the very next dispatch of the task's messages, at the same
// point of the task on every run, where an answerer polling from another thread may come only
// after the task has ended. One at a time on a thread.
class ShownDialogHook {
public:
    using Answer = std::function<void(HWND dialog)>;

    ShownDialogHook(std::wstring title, Answer answer)
        : title_(std::move(title)), answer_(std::move(answer))
    {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &ShownDialogHook::onMessage, nullptr,
                                  GetCurrentThreadId());
    }
    ~ShownDialogHook()
    {
        if (hook_ != nullptr)
            UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    ShownDialogHook(const ShownDialogHook&) = delete;
    ShownDialogHook& operator=(const ShownDialogHook&) = delete;

    bool found() const { return found_; }

private:
    static LRESULT CALLBACK onMessage(int code, WPARAM wParam, LPARAM lParam)
    {
        ShownDialogHook* self = current_;
        if (code == HC_ACTION && self != nullptr && !self->found_) {
            const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
            if (sent.message == WM_SHOWWINDOW && sent.wParam != FALSE &&
                hasClass(sent.hwnd, L"#32770") && windowText(sent.hwnd) == self->title_) {
                self->found_ = true;
                self->answer_(sent.hwnd);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline thread_local ShownDialogHook* current_ = nullptr;

    const std::wstring title_;
    const Answer answer_;
    HHOOK hook_ = nullptr;
    bool found_ = false;
};

}  // namespace murax::testing
