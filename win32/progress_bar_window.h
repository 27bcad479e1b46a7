// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <windows.h>

#include "seam/window.h"

namespace murax {

// The progress bar with Cancel: a small dialog over `owner`, which stays disabled while it is
// open, so that it is modal; the task runs meanwhile and each move of the bar dispatches the
// pending messages. Shown at once: when to open it is decided below the faces.
class ProgressBarWindow final : public ProgressBar {
public:
    ProgressBarWindow(HWND owner, const std::string& title, const std::string& text);
    ~ProgressBarWindow() override;
    ProgressBarWindow(const ProgressBarWindow&) = delete;
    ProgressBarWindow& operator=(const ProgressBarWindow&) = delete;

    bool advance(double fraction) override;

private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HWND owner_;
    bool ownerWasEnabled_;
    HWND dialog_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace murax
