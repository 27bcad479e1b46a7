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

// A window's whole text: a dialog's title, a control's label or contents.
inline std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Whether the window's class is `name`, in any case, as the system compares class names.
inline bool hasClass(HWND window, const wchar_t* name)
{
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    return lstrcmpiW(className, name) == 0;
}

using WindowWanted = std::function<bool(HWND)>;

// A visible top-level window of `thread` that `wanted` accepts; null where there is none.
inline HWND findThreadWindow(DWORD thread, const WindowWanted& wanted)
{
    struct Search {
        const WindowWanted* wanted;
        HWND found;
    } search{&wanted, nullptr};
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            if (!IsWindowVisible(window) || !(*s.wanted)(window))
                return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Asks `condition` every `step` until it holds or `limit` has passed; whether it held.
template <class Condition>
bool waitUntil(const Condition& condition,
               std::chrono::milliseconds limit = std::chrono::seconds(20),
               std::chrono::milliseconds step = std::chrono::milliseconds(20))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(step);
    }
    return true;
}

// Looks for such a window, from another thread than `thread`, until one shows, `over()` says none
// can come any more, or twenty seconds have passed; null where none came.
template <class Over>
HWND waitForThreadWindow(DWORD thread, const WindowWanted& wanted, const Over& over)
{
    HWND found = nullptr;
    waitUntil([&] {
        found = findThreadWindow(thread, wanted);
        return found != nullptr || over();
    });
    return found;
}

inline HWND waitForThreadWindow(DWORD thread, const WindowWanted& wanted,
                                const std::atomic<bool>& stop)
{
    return waitForThreadWindow(thread, wanted, [&] { return stop.load(); });
}

}  // namespace murax::testing
