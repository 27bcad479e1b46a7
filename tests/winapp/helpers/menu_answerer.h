// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <windows.h>

#include "support/platform/wide_text_windows.h"

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
    static constexpr auto kPatience = std::chrono::seconds(20);

    static BOOL CALLBACK inspect(HWND window, LPARAM found)
    {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (!IsWindowVisible(window) || std::wstring(className) != L"#32768")
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    static void key(HWND menuWindow, int virtualKey)
    {
        PostMessageW(menuWindow, WM_KEYDOWN, virtualKey, 1);
        PostMessageW(menuWindow, WM_KEYUP, virtualKey, 0xC0000001);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }

    void run()
    {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!stop_ && std::chrono::steady_clock::now() < deadline) {
            HWND menuWindow = nullptr;
            EnumThreadWindows(testThread_, inspect, reinterpret_cast<LPARAM>(&menuWindow));
            if (menuWindow == nullptr) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                continue;
            }
            auto* menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
            std::vector<std::string> texts;
            for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
                wchar_t text[128] = {};
                GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
                texts.push_back(utf8Text(text));
            }
            int place = -1;
            for (std::size_t i = 0; i < texts.size(); ++i)
                if (texts[i] == choice_)
                    place = static_cast<int>(i);
            {
                std::lock_guard lock(mutex_);
                offered_ = texts;
            }
            // Nothing is highlighted as the menu opens: the first Down reaches its first entry.
            for (int down = 0; down <= place; ++down)
                key(menuWindow, VK_DOWN);
            key(menuWindow, place < 0 ? VK_ESCAPE : VK_RETURN);
            return;
        }
    }

    const std::string choice_;
    const DWORD testThread_;
    mutable std::mutex mutex_;
    std::vector<std::string> offered_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace murax::testing
