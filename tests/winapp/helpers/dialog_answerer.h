// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include <windows.h>

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
          standing_(findDialog(testThread_, nullptr, nullptr)),
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
    static constexpr auto kPatience = std::chrono::seconds(20);

    struct Search {
        const std::wstring* title;
        DWORD thread;
        HWND dialog;
        HWND passedOver;
    };

    static BOOL CALLBACK inspect(HWND window, LPARAM lParam)
    {
        auto& search = *reinterpret_cast<Search*>(lParam);
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (!IsWindowVisible(window) || std::wstring(className) != L"#32770" ||
            window == search.passedOver)
            return TRUE;
        if (search.title != nullptr) {
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            if (*search.title != text)
                return TRUE;
        }
        search.dialog = window;
        return FALSE;
    }

    static HWND findDialog(DWORD thread, const std::wstring* title, HWND passedOver)
    {
        Search search{title, thread, nullptr, passedOver};
        EnumThreadWindows(thread, inspect, reinterpret_cast<LPARAM>(&search));
        return search.dialog;
    }

    void run()
    {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!stop_ && std::chrono::steady_clock::now() < deadline) {
            if (const HWND dialog = findDialog(testThread_, &title_, standing_)) {
                found_ = true;
                answer_(dialog);
                const auto closing = std::chrono::steady_clock::now() + std::chrono::seconds(3);
                while (IsWindow(dialog) && std::chrono::steady_clock::now() < closing)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // Whatever is still open on the test's thread is cancelled, so that the test goes on; a
        // window that stood before the answerer came (the main window, itself a dialog) stays.
        while (!stop_) {
            if (const HWND dialog = findDialog(testThread_, nullptr, standing_))
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
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
