// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include <windows.h>

#include "tests/win32/helpers/thread_windows.h"

namespace murax::testing {

// Answers the modal dialog the test's thread is about to show, so that no test blocks: a thread
// of its own waits for a visible top-level dialog of this process with the given title and hands
// it to `answer`, which reads it and presses a button (with messages: the modal loop of the test's
// thread carries them out). A dialog that does not come within the time allowed, or that `answer`
// leaves open, is cancelled, and found() tells the test so.
class DialogAnswerer {
public:
    using Answer = std::function<void(HWND dialog)>;

    DialogAnswerer(std::wstring title, Answer answer)
        : title_(std::move(title)),
          answer_(std::move(answer)),
          testThread_(GetCurrentThreadId()),
          standing_(findThreadWindow(testThread_,
                                     [](HWND window) { return hasClass(window, L"#32770"); })),
          thread_([this] { run(); })
    {}
    ~DialogAnswerer()
    {
        stop_ = true;
        thread_.join();
    }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    bool found() const { return found_; }

private:
    // A dialog box of the test's thread other than one that stood before the answerer came (the
    // main window, itself a dialog).
    bool isNewDialog(HWND window) const
    {
        return hasClass(window, L"#32770") && window != standing_;
    }

    void run()
    {
        const HWND dialog = waitForThreadWindow(
            testThread_,
            [this](HWND window) { return isNewDialog(window) && windowText(window) == title_; },
            stop_);
        if (dialog != nullptr) {
            found_ = true;
            answer_(dialog);
            waitUntil([dialog] { return !IsWindow(dialog); }, std::chrono::seconds(3),
                      std::chrono::milliseconds(10));
        }
        // Whatever is still open on the test's thread is cancelled, so that the test goes on.
        while (!stop_) {
            if (const HWND open = findThreadWindow(
                    testThread_, [this](HWND window) { return isNewDialog(window); }))
                PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    const std::wstring title_;
    const Answer answer_;
    const DWORD testThread_;
    const HWND standing_;
    std::atomic<bool> found_{false};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Presses the dialog's button `id` as a click would.
inline void pressButton(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace murax::testing
