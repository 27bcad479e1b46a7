// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <windows.h>

#include "support/platform/wide_text_windows.h"
#include "tests/win32/helpers/thread_windows.h"

namespace murax::testing {

// Answers the popup menu the test's thread is about to show, so that no test blocks: a thread of
// its own waits for a visible menu of the test's thread, keeps the texts it offers, and chooses
// the entry `choice` with the keys a user would press (Esc where it has none). The menu's own
// loop on the test's thread carries the keys out.
class MenuAnswerer {
public:
    explicit MenuAnswerer(std::string choice)
        : choice_(std::move(choice)), testThread_(GetCurrentThreadId()), thread_([this] { run(); })
    {}
    ~MenuAnswerer()
    {
        stop_ = true;
        thread_.join();
    }
    MenuAnswerer(const MenuAnswerer&) = delete;
    MenuAnswerer& operator=(const MenuAnswerer&) = delete;

    std::vector<std::string> offered() const
    {
        std::lock_guard lock(mutex_);
        return offered_;
    }

private:
    static void key(HWND menuWindow, int virtualKey)
    {
        PostMessageW(menuWindow, WM_KEYDOWN, virtualKey, 1);
        PostMessageW(menuWindow, WM_KEYUP, virtualKey, 0xC0000001);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }

    void run()
    {
        const HWND menuWindow = waitForThreadWindow(
            testThread_, [](HWND window) { return hasClass(window, L"#32768"); }, stop_);
        if (menuWindow == nullptr)
            return;
        auto* menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
        std::vector<std::string> texts;
        for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
            wchar_t text[128] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
            texts.push_back(utf8Text(text));
        }
        const auto chosen = std::find(texts.begin(), texts.end(), choice_);
        const int place = chosen == texts.end() ? -1 : static_cast<int>(chosen - texts.begin());
        {
            std::lock_guard lock(mutex_);
            offered_ = texts;
        }
        // Nothing is highlighted as the menu opens: the first Down reaches its first entry.
        for (int down = 0; down <= place; ++down)
            key(menuWindow, VK_DOWN);
        key(menuWindow, place < 0 ? VK_ESCAPE : VK_RETURN);
    }

    const std::string choice_;
    const DWORD testThread_;
    mutable std::mutex mutex_;
    std::vector<std::string> offered_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace murax::testing
