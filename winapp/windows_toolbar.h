// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "window/command_menus.h"

namespace murax {

// The command bar along the main window's top: a common-controls toolbar with a button for each
// of the table's buttons, its picture from the resources, its tooltip, and a drop-down for the
// buttons whose commands are chosen from a menu.
class WindowsToolbar {
public:
    // Makes the bar a child of `window`, across `width` pixels.
    WindowsToolbar(HWND window, int width, int dpi);
    ~WindowsToolbar();
    WindowsToolbar(const WindowsToolbar&) = delete;
    WindowsToolbar& operator=(const WindowsToolbar&) = delete;

    HWND handle() const { return bar_; }
    // The button a WM_COMMAND or a drop-down notification with `id` is about; None for any other.
    static ToolbarButton buttonOfId(int id);
    static int idOfButton(ToolbarButton button);
    // Shows `entries` as a popup menu under `button` and waits until it has closed: the chosen
    // entry's command, nullptr when none was chosen.
    const Command* chooseFromMenu(ToolbarButton button,
                                  const std::vector<MenuEntry>& entries) const;

private:
    HWND bar_ = nullptr;
    HIMAGELIST images_ = nullptr;
    std::vector<std::wstring> toolTips_;
};

// Shows `entries` as a popup menu of `owner` at `screenPoint` and waits until it has closed: the
// chosen entry's command, nullptr when none was chosen.
const Command* chooseFromPopupMenu(HWND owner, POINT screenPoint,
                                   const std::vector<MenuEntry>& entries);

}  // namespace murax
