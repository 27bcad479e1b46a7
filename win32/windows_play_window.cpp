// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_play_window.h"

#include <algorithm>
#include <optional>

#include <commctrl.h>

#include "support/platform/wide_text_windows.h"
#include "tape/commands/tape_playing.h"
#include "win32/procedure_errors.h"
#include "win32/window_painting.h"

namespace murax {
namespace {

constexpr wchar_t kPlayClass[] = L"MuraxPlayWindow";
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMilliseconds = 200;
constexpr int kStopId = IDCANCEL;

// The client area and its parts, in pixels at 96 dots per inch.
constexpr int kClientWidth = 300;
constexpr int kMargin = 10;
constexpr int kTextHeight = 36;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 24;

}  // namespace

WindowsPlayWindow::WindowsPlayWindow(HWND owner) : owner_(owner), dpi_(screenDpi())
{
    registerWindowClass(kPlayClass, procedure);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto px = [this](int pixels) { return scaledPixels(pixels, dpi_); };
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT frame{0, 0, px(kClientWidth), px(3 * kMargin + kTextHeight + kButtonHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    window_ = CreateWindowExW(0, kPlayClass, L"", style, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, owner, nullptr, instance, this);
    font_ = messageFont();
    progress_ = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_LEFT, px(kMargin),
                                px(kMargin), px(kClientWidth - 2 * kMargin), px(kTextHeight),
                                window_, nullptr, instance, nullptr);
    const std::wstring stopText = wideText(kPlayStopButton);
    stop_ = CreateWindowExW(
        0, WC_BUTTONW, stopText.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
        px(kClientWidth - kMargin - kButtonWidth), px(2 * kMargin + kTextHeight), px(kButtonWidth),
        px(kButtonHeight), window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStopId)),
        instance, nullptr);
    for (HWND control : {progress_, stop_})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

WindowsPlayWindow::~WindowsPlayWindow()
{
    playing_.reset();
    if (window_ != nullptr)
        DestroyWindow(window_);
    if (font_ != nullptr)
        DeleteObject(font_);
}

bool WindowsPlayWindow::isShowing() const
{
    return window_ != nullptr && IsWindowVisible(window_);
}

void WindowsPlayWindow::play(std::unique_ptr<PlayingSound> playing)
{
    if (playing_)
        playing_->stop();
    playing_ = std::move(playing);
    const std::wstring title = wideText(playing_->windowTitle());
    SetWindowTextW(window_, title.c_str());
    if (!isShowing()) {
        // Below its owner, within the work area of the owner's screen.
        RECT owner{}, frame{};
        GetWindowRect(owner_, &owner);
        GetWindowRect(window_, &frame);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& work = monitor.rcWork;
        const int width = frame.right - frame.left, height = frame.bottom - frame.top;
        const int x = std::max<int>(work.left, std::min<int>(owner.left, work.right - width));
        const int y = std::max<int>(work.top, std::min<int>(owner.bottom, work.bottom - height));
        SetWindowPos(window_, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
    }
    refresh();
    ShowWindow(window_, SW_SHOW);
    SetTimer(window_, kRefreshTimer, kRefreshMilliseconds, nullptr);
}

void WindowsPlayWindow::stop()
{
    if (playing_)
        playing_->stop();
    finish();
}

void WindowsPlayWindow::refresh()
{
    if (!playing_)
        return;
    if (playing_->ended()) {
        finish();
        return;
    }
    const std::wstring text = controlText(playing_->progressText());
    SetWindowTextW(progress_, text.c_str());
}

void WindowsPlayWindow::finish()
{
    KillTimer(window_, kRefreshTimer);
    const std::unique_ptr<PlayingSound> ended = std::move(playing_);
    ShowWindow(window_, SW_HIDE);
    if (ended)
        ended->tellHowItEnded();
}

LRESULT CALLBACK WindowsPlayWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<WindowsPlayWindow*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WindowsPlayWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const std::optional<LRESULT> handled = handledReportingErrors(
        [&] { return self->handle(message, wParam, lParam); }, std::optional<LRESULT>(0));
    return handled ? *handled : DefWindowProcW(window, message, wParam, lParam);
}

std::optional<LRESULT> WindowsPlayWindow::handle(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kRefreshTimer)
            refresh();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kStopId)
            stop();
        return 0;
    case WM_CLOSE:
        stop();
        return 0;
    case WM_KEYDOWN:
        // The window keeps the focus its activation gave it; no dialog manager turns Esc into
        // Cancel, since the main window's modal loop is the only one.
        if (wParam != VK_ESCAPE)
            return std::nullopt;
        stop();
        return 0;
    default:
        return std::nullopt;
    }
}

}  // namespace murax
