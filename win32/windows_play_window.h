// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "seam/sound_output.h"

namespace murax {

// The play window on Windows: a small window of its own, owned by the main window and not modal,
// that shows what a playing sound says of itself a few times a second, with Stop. Stop, Esc and
// the close box stop the sound; the window hides once the sound has ended, and the sound then
// tells what the user needs to know of it.
class WindowsPlayWindow {
public:
    explicit WindowsPlayWindow(HWND owner);
    ~WindowsPlayWindow();
    WindowsPlayWindow(const WindowsPlayWindow&) = delete;
    WindowsPlayWindow& operator=(const WindowsPlayWindow&) = delete;

    // Shows `playing`, stopping what played before; a window that was not on the screen opens
    // below its owner, within the screen's work area.
    void play(std::unique_ptr<PlayingSound> playing);
    // Stops the sound and hides the window.
    void stop();
    bool isShowing() const;
    bool isPlaying() const { return playing_ != nullptr; }

    HWND handle() const { return window_; }
    HWND progress() const { return progress_; }
    HWND stopButton() const { return stop_; }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
    void refresh();
    void finish();

    HWND owner_;
    HWND window_ = nullptr;
    HWND progress_ = nullptr;
    HWND stop_ = nullptr;
    HFONT font_ = nullptr;
    int dpi_ = 96;
    std::unique_ptr<PlayingSound> playing_;
};

}  // namespace murax
