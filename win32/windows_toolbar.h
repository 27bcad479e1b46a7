// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "window/command_menus.h"

namespace murax {

// The command bar along the main window's top: a common-controls toolbar with a button for each
// of the table's buttons, its picture from the resources, its tooltip, and a drop-down for the
// buttons whose commands are chosen from a menu. The control places the buttons, tracks the
// pointer and shows the tooltips; the cells' sizes, the look and the tooltips' texts are the
// window's own, the same on every version of the control.
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
    // The tooltip's text of the button with `id`; null for any other id.
    const wchar_t* toolTipOf(int id) const;
    // Draws the bar, its buttons and the button under the pointer for the control's custom-draw
    // notification `draw`, sent to the bar's parent: what the parent answers.
    LRESULT customDraw(const NMTBCUSTOMDRAW& draw) const;
    // Shows `entries` as a popup menu under `button` and waits until it has closed: the chosen
    // entry's command, nullptr when none was chosen.
    const Command* chooseFromMenu(ToolbarButton button,
                                  const std::vector<MenuEntry>& entries) const;

private:
    static LRESULT CALLBACK answerToolTips(HWND bar, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR self);

    struct Button {
        int id;
        int image;
        bool hasMenu;
        std::wstring toolTip;
    };
    HWND bar_ = nullptr;
    HIMAGELIST images_ = nullptr;
    int dpi_ = 96;
    std::vector<Button> buttons_;
};

// Shows `entries` as a popup menu of `owner` at `screenPoint` and waits until it has closed: the
// chosen entry's command, nullptr when none was chosen.
const Command* chooseFromPopupMenu(HWND owner, POINT screenPoint,
                                   const std::vector<MenuEntry>& entries);

}  // namespace murax
